#pragma once
// Best play for one player's sheet: for any position of the sheet and the dice, the move
// that gives the highest expected final total, and that total, exactly, under the game's
// own scoring rules and bonuses. Every position between turns is solved once, backwards
// from the full sheet; a decision within a turn then works through one turn only.
#include "engine/PlayerSheet.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class QByteArray;
class QObject;

namespace quoxa {

// Dice as how many show each face: faces[1] .. faces[6] (faces[0] unused).
using Faces = std::array<int, 7>;

// Where a player stands between turns: the categories filled (bit i for the i-th category
// of the sheet, Ones first), the upper total, and whether the Quoxa box holds 50.
struct Position {
    int filled = 0;
    int upperTotal = 0;
    bool quoxaHolds50 = false;

    static Position Of(const PlayerSheet &sheet);
};

class Strategy {
public:
    // Solves every position that play can reach, on `threads` threads. When `stop`
    // turns true the solving ends early and the strategy is not usable.
    explicit Strategy(int threads = 2, const std::atomic<bool> *stop = nullptr);

    // The game's one strategy, solved on two threads in the background: Prepare starts it
    // (once; later calls do nothing), Shared waits for it. If the program ends first the
    // solving stops.
    static void Prepare();
    static const Strategy &Shared();
    // The game's strategy once it is solved; until then nothing, at once.
    static const Strategy *Ready();
    // Hands the game's strategy to `then` once it is solved: at once if it is, else on the
    // application's thread when it is, unless `context` is gone by then.
    static void WhenReady(QObject *context, std::function<void(const Strategy &)> then);
    // The game's one strategy is this one, solved already, before anything asks for it:
    // test programs share one table so, solved once by the build.
    static void UseShared(std::shared_ptr<const Strategy> strategy);

    // The solved table as bytes, and a strategy from them; nothing from bytes that are not a
    // whole table.
    QByteArray Table() const;
    static std::shared_ptr<const Strategy> FromTable(const QByteArray &table);

    bool solved() const { return mSolved; }
    std::size_t tableBytes() const { return mRest.size() * sizeof(float); }

    // The points still to come, bonuses included, from the start of a turn.
    double ExpectedRest(const Position &position) const;

    struct Choice {
        int category = -1; // the category (index in sheet order) to score now; -1: throw again
        Faces keep{};      // when throwing again: the dice to keep
        double expectedRest = 0; // the points still to come, this turn's included
    };
    // Every move with these dice after throw `throwsMade` (1 to 3) of a turn, each valued
    // as the points still to come with it and best play after it: each open category in
    // sheet order, then (before the third throw) each handful of the dice to keep, from
    // none up to all but one, before a throw of the rest.
    std::vector<Choice> Moves(const Position &position, const Faces &dice, int throwsMade) const;
    // The best move: the first of the moves with the highest value.
    Choice Best(const Position &position, const Faces &dice, int throwsMade) const;

    // How a computer player of a level (1 Beginner, 2 Casual, 3 Club, 4 Expert, 5 Perfect)
    // weighs the moves: exp(-(best - value) / t), one t a level, so that a move costing
    // nothing is the likeliest, small slips are common and large ones rare. At level 5
    // only the best move weighs anything.
    static constexpr int kLevels = 5;
    static std::vector<double> Weights(const std::vector<Choice> &moves, int level);

private:
    struct Turn;
    explicit Strategy(std::vector<float> rest) : mRest(std::move(rest)), mSolved(true) {}
    void SolveLevel(const std::vector<int> &masks, int threads, const std::atomic<bool> *stop);
    float Rest(int filled, int upperTotal, bool quoxaHolds50) const;
    void SolveTurn(const Position &position, Turn &turn) const;

    std::vector<float> mRest; // by filled categories, Quoxa holding 50, upper total
    bool mSolved = false;
};

} // namespace quoxa
