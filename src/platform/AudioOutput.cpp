// The game's audio output, a module of its own that the game loads when the first clip
// plays: the sound libraries cost nothing until then.
#include "platform/AudioOutput.h"

#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>
#include <optional>

namespace {

// The sound itself and how to play it, read from a RIFF WAVE image.
struct WaveImage {
    QAudioFormat format;
    QByteArray samples;
};

std::optional<WaveImage> ParseWave(const QByteArray &wave)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return std::nullopt;
    WaveImage image;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= wave.size()) {
        const QByteArray id = wave.mid(at, 4);
        const auto size = static_cast<qsizetype>(qFromLittleEndian<quint32>(wave.constData() + at + 4));
        const qsizetype body = at + 8;
        if (size > wave.size() - body)
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            const char *f = wave.constData() + body;
            const int tag = qFromLittleEndian<quint16>(f);
            const int bits = qFromLittleEndian<quint16>(f + 14);
            if (tag != 1 || (bits != 8 && bits != 16))
                return std::nullopt; // only plain PCM
            image.format.setChannelCount(qFromLittleEndian<quint16>(f + 2));
            image.format.setSampleRate(static_cast<int>(qFromLittleEndian<quint32>(f + 4)));
            image.format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            haveFormat = true;
        } else if (id == "data") {
            image.samples = wave.mid(body, size);
        }
        at = body + size + (size % 2);
    }
    if (!haveFormat || image.samples.isEmpty() || !image.format.isValid())
        return std::nullopt;
    return image;
}

constexpr int kDrainMs = 60;

// Plays on the default output and waits for the end, never longer than the clip's length
// and a moment more. No device, a busy one or data it cannot take: silence, at once.
void PlayOnDefaultOutput(const QByteArray &wave)
{
    std::optional<WaveImage> image = ParseWave(wave);
    if (!image)
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(image->format))
        return;
    QBuffer buffer(&image->samples);
    buffer.open(QIODevice::ReadOnly);
    QAudioSink sink(device, image->format);
    QEventLoop loop;
    // Handing all the data over is not the end of the sound: wait for the clip's length
    // (and a little for the device to drain), unless the device fails first.
    QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&] {
        if (sink.error() != QAudio::NoError)
            loop.quit();
    });
    const qint64 lengthMs = image->format.durationForBytes(static_cast<qint32>(image->samples.size())) / 1000;
    QTimer::singleShot(static_cast<int>(lengthMs) + kDrainMs, &loop, &QEventLoop::quit);
    sink.start(&buffer);
    // The board keeps painting while the clip plays, but takes no input.
    if (sink.error() == QAudio::NoError)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    sink.stop();
}

} // namespace

extern "C" Q_DECL_EXPORT void QuoxaPlayWave(const char *data, qint64 size) noexcept
{
    try {
        PlayOnDefaultOutput(QByteArray::fromRawData(data, size));
    } catch (...) {
        // A clip that cannot be played is silence, never a crash.
    }
}
