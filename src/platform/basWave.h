#pragma once
// The game's sounds: short wave clips carried in the executable, started and left to play: the game never waits for one.
#include <QByteArray>
#include <QString>
#include <functional>

namespace quoxa::basWave {

constexpr int SND_NODEFAULT = 2;
constexpr int SND_MEMORY = 4;

// Starts the clip of that name and returns at once. A name with no clip, or a
// machine that cannot play it, stays silent. Callers check gblnPlaySound first.
void PlayWave(const QString &name, int flags = SND_NODEFAULT | SND_MEMORY);

// What actually plays a clip: the whole wave file image and the flags. The game's own
// plays on the default audio output; tests replace it. An empty one puts the own back.
using Player = std::function<void(const QByteArray &wave, int flags)>;
Player SetPlayer(Player player);

} // namespace quoxa::basWave
