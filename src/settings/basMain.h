#pragma once
// The settings every part of the game reads: loaded at start-up, saved on closing.
#include "engine/Checked.h"

#include <QString>
#include <QtGlobal>
#include <array>

namespace quoxa {

inline const QString kAppTitle = QStringLiteral("Quoxa");

extern Int16 gintPlayerCount;
// The players' names (player i at i - 1): a game takes them when it begins.
extern std::array<QString, 4> gstrPlayerName;
extern bool gblnPlaySound;
extern qint32 glngDieColor; // 0x00BBGGRR
extern qint32 glngPipColor;
// Whether the computer plays for each player (player i at i - 1), how well it plays for
// each (1 Beginner to 5 Perfect), and the pause it makes between its moves, in milliseconds.
extern std::array<bool, 4> gblnComputer;
extern std::array<int, 4> gintComputerLevel;
extern Int16 gintComputerDelay;
// The zoom the player chose, in percent, one of the View menu's steps; 0 while none was
// chosen, when the board follows the desktop's font.
extern int gintZoom;

} // namespace quoxa
