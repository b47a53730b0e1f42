// The game's audio output, a module of its own that the game loads when the first clip
// plays: the sound libraries cost nothing until then.
#include "platform/AudioOutput.h"

#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
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

// One clip playing: its samples and the sink that plays them, gone once it has played.
class Clip : public QObject {
public:
    Clip(const QAudioDevice &device, WaveImage image)
        : QObject(QCoreApplication::instance()), mImage(std::move(image)), mBuffer(&mImage.samples),
          mSink(device, mImage.format)
    {
        mBuffer.open(QIODevice::ReadOnly);
        // Handing all the data over is not the end of the sound: it plays for the clip's
        // length (and a little for the device to drain), unless the device fails first.
        connect(&mSink, &QAudioSink::stateChanged, this, [this] {
            if (mSink.error() != QAudio::NoError)
                End();
        });
        const qint64 lengthMs = mImage.format.durationForBytes(static_cast<qint32>(mImage.samples.size())) / 1000;
        QTimer::singleShot(static_cast<int>(lengthMs) + kDrainMs, this, &Clip::End);
        mSink.start(&mBuffer);
    }

private:
    void End()
    {
        mSink.stop();
        deleteLater();
    }

    WaveImage mImage;
    QBuffer mBuffer;
    QAudioSink mSink;
};

// Starts the clip on the default output and returns at once: the game never waits for a
// sound. No device, a busy one or data it cannot take: silence.
void PlayOnDefaultOutput(const QByteArray &wave)
{
    std::optional<WaveImage> image = ParseWave(wave);
    if (!image)
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(image->format))
        return;
    new Clip(device, std::move(*image));
}

} // namespace

extern "C" Q_DECL_EXPORT void QuoxaPlayWave(const char *data, qint64 size) noexcept
{
    try {
        PlayOnDefaultOutput(QByteArray(data, static_cast<qsizetype>(size))); // its own copy: the clip outlives the call
    } catch (...) {
        // A clip that cannot be played is silence, never a crash.
    }
}
