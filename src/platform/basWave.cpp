#include "platform/basWave.h"
#include "platform/ErrorTrap.h"

#include "platform/AudioOutput.h"
#include "platform/ProgramFiles.h"

#include <QFile>
#include <QLibrary>

namespace quoxa::basWave {
namespace {

// The audio output module, loaded the first time a clip plays. Without it: silence.
void PlayOnDefaultOutput(const QByteArray &wave, int)
{
    using Play = decltype(&QuoxaPlayWave);
    static const Play play = [] {
        QLibrary module(ProgramFile(QStringLiteral("quoxa-audio.so"), QStringLiteral(QUOXA_INSTALLED_AUDIO_MODULE)));
        return module.load() ? reinterpret_cast<Play>(module.resolve("QuoxaPlayWave")) : nullptr;
    }();
    if (play)
        play(wave.constData(), wave.size());
}

Player &CurrentPlayer()
{
    static Player player = PlayOnDefaultOutput;
    return player;
}

} // namespace

void PlayWave(const QString &name, int flags)
{
    Trap([&] {
        QFile clip(QStringLiteral(":/waves/") + name + QStringLiteral(".wav"));
        if (!clip.open(QIODevice::ReadOnly))
            return; // no such clip: silence, and no message
        const QByteArray wave = clip.readAll();
        CurrentPlayer()(wave, flags | SND_MEMORY);
    });
}

Player SetPlayer(Player player)
{
    Player old = std::move(CurrentPlayer());
    CurrentPlayer() = player ? std::move(player) : Player(PlayOnDefaultOutput);
    return old;
}

} // namespace quoxa::basWave
