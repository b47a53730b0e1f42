#pragma once
// Best play on a code's dice (see DiceOrigin.h).
#include "engine/GameRecord.h"
#include "engine/Strategy.h"

namespace quoxa {

// The dice a player keeps who keeps these faces: the dice held already first, then from the
// left, as a computer player and the Hint choose them.
HeldSet KeptDice(const Faces &keep, const DiceSet &dice, const HeldSet &held);

// The total of best play (the computer at level 5) alone on these dice: every turn it throws
// the dice of its round, keeps what best play keeps (the dice held already first, then from
// the left) and scores where best play scores.
int BestPlayTotal(const Strategy &strategy, const SeededFaces &faces);

} // namespace quoxa
