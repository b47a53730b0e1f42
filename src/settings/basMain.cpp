#include "settings/basMain.h"

namespace quoxa {

Int16 gintPlayerCount;
bool gblnPlaySound = false;
qint32 glngDieColor = 0;
qint32 glngPipColor = 0;

} // namespace quoxa
