#pragma once
// A game's review: for every decision of every player, the expected points it gave up
// against best play, and for every throw how much the dice gave or took. The value of a
// moment is the player's expected final total under best play from there, the points scored
// included; at the start of a game it is 252.28. For each player, exactly: the value at the
// start, plus the luck of every throw, less the points lost in every decision, is the final
// total (or, in a game under way, the value now).
#include "engine/GameRecord.h"
#include "engine/Strategy.h"

#include <QList>
#include <QPointF>

namespace quoxa {

// A decision: after throw 1 or 2 the dice to keep, or a score at once; after throw 3 the score.
struct ReviewDecision {
    int order = 0;       // in the game: the record's turn and throw
    int turn = 0;        // the player's turn, 1 to 13
    int player = 0;      // 1 to 4
    int throwNumber = 0; // the throw it follows, 1 to 3
    DiceSet dice{};
    Strategy::Choice played, best;
    double before = 0; // the value before the throw
    double after = 0;  // after it, with best play from there
    double value = 0;  // with the move played
    double Luck() const { return after - before; }
    double Lost() const { return after - value; }
};

// How bad a decision was by the points it lost: at least 1, 3 and 8 points.
enum class Slip { None, Inaccuracy, Mistake, Blunder };
Slip SlipOf(double lost);

struct PlayerReview {
    QString name;
    double start = 0, luck = 0, lost = 0;
    std::array<int, 4> slips{}; // by Slip
    int total = 0;              // the points scored
    QList<QPointF> values;      // the value after each decision, by turns played; (0, start) first
    // The value now: the final total once the game is over.
    double Now() const { return start + luck - lost; }
};

struct GameReview {
    std::vector<PlayerReview> players;
    std::vector<ReviewDecision> decisions; // in the order played
};

// The review of a record without fault, as far as it was played; the players worked out at
// once, on threads of their own.
GameReview Review(const GameRecord &record, const Strategy &strategy);

} // namespace quoxa
