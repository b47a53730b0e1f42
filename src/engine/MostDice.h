#pragma once
// The most a code's dice allow: the highest total one sheet can make when every face is known
// in advance. In each round each die may end on its face of throw 1, 2 or 3 (held after that
// throw), whichever it likes; the rounds are scored in their order, as in a game, so a five
// alike earns its 100 only after the Quoxa box holds 50.
#include "engine/DiceOrigin.h"

namespace quoxa {

int MostTotal(const SeededFaces &faces);

} // namespace quoxa
