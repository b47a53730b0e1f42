#include "settings/basMain.h"

namespace quoxa {

Int16 gintPlayerCount;
std::array<QString, 4> gstrPlayerName;
bool gblnPlaySound = false;
qint32 glngDieColor = 0;
qint32 glngPipColor = 0;
std::array<bool, 4> gblnComputer{};
std::array<int, 4> gintComputerLevel{};
Int16 gintComputerDelay;
int gintZoom = 0;

} // namespace quoxa
