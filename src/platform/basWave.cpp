#include "platform/basWave.h"
#include "platform/ErrorTrap.h"

#include <QFile>

namespace quoxa::basWave {
namespace {

Player &CurrentPlayer()
{
    // Silent until the audio player is put in place.
    static Player player = [](const QByteArray &, int) {};
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
    CurrentPlayer() = std::move(player);
    return old;
}

} // namespace quoxa::basWave
