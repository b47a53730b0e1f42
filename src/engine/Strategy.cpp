#include "engine/Strategy.h"
#include "engine/ScoreSheet.h"

#include <QByteArray>
#include <algorithm>
#include <bit>
#include <cstring>
#include <cmath>
#include <limits>
#include <thread>

namespace quoxa {
namespace {

constexpr int kAllFilled = (1 << kCategoryCount) - 1;
constexpr int kUpperCount = 6;  // Ones to Sixes come first
constexpr int kQuoxaIndex = 11; // the Quoxa box among the categories
constexpr int kBonusFrom = 64;  // the 35 come with an upper total above 63
constexpr int kExtraQuoxa = 100;
constexpr int kTotals = kBonusFrom + 1; // upper totals 0 to 64; more makes no difference
constexpr float kNone = -std::numeric_limits<float>::infinity();

// Every handful of 0 to 5 dice, ordered by size: 1 of none, 6 of one die, ... 252 rolls of
// five. A handful is known by how many dice show each face.
struct Handfuls {
    static constexpr int kCount = 462;
    static constexpr int kRolls = 252;
    static constexpr int kFirstRoll = kCount - kRolls;
    std::vector<Faces> faces;
    std::vector<std::array<short, 6>> larger;  // with one more die of each face (handfuls short of five)
    std::vector<std::array<short, 5>> smaller; // with one die less, each face shown; kCount pads
    std::vector<short> indexOf;                // by Code()
    std::array<double, kRolls> chance{};       // of each roll, throwing five dice
    std::array<std::array<float, kRolls>, kCategoryCount> score{}; // of each roll in each category
    std::array<std::array<unsigned char, kRolls>, kUpperCount> shown{}; // dice showing each face
    std::vector<int> fiveAlike;                // the rolls of five alike

    static int Code(const Faces &f)
    {
        int code = 0;
        for (int d = 6; d >= 1; --d)
            code = code * 6 + f[d];
        return code;
    }
    int Index(const Faces &f) const { return indexOf[Code(f)]; }

    Handfuls() : indexOf(46656, -1)
    {
        for (int size = 0; size <= 5; ++size)
            Add(Faces{}, 1, size);
        for (int i = 0; i < kCount; ++i) {
            std::array<short, 5> less;
            less.fill(kCount);
            int next = 0;
            for (int d = 1; d <= 6; ++d) {
                Faces f = faces[i];
                f[d] -= 1;
                if (f[d] >= 0)
                    less[next++] = static_cast<short>(Index(f));
            }
            smaller.push_back(less);
            if (i >= kFirstRoll)
                continue;
            std::array<short, 6> more{};
            for (int d = 1; d <= 6; ++d) {
                Faces f = faces[i];
                f[d] += 1;
                more[d - 1] = static_cast<short>(Index(f));
            }
            larger.push_back(more);
        }
        const auto &rows = SheetCategories();
        for (int r = 0; r < kRolls; ++r) {
            const Faces &f = faces[kFirstRoll + r];
            DiceCounts counts;
            double ways = 120; // 5!, over the orders that give the same roll
            for (int d = 1; d <= 6; ++d) {
                counts.count[d] = f[d];
                counts.sum += f[d] * d;
                for (int k = 2; k <= f[d]; ++k)
                    ways /= k;
                shown[d - 1][r] = static_cast<unsigned char>(f[d]);
            }
            chance[r] = ways / 7776;
            for (int c = 0; c < kCategoryCount; ++c)
                score[c][r] = static_cast<float>(rows[c]->rule(counts));
            if (counts.HasCount(5))
                fiveAlike.push_back(r);
        }
    }

    // Every handful of `size` dice with faces from `from` on, added to `f`.
    void Add(Faces f, int from, int size)
    {
        if (size == 0) {
            indexOf[Code(f)] = static_cast<short>(faces.size());
            faces.push_back(f);
            return;
        }
        for (int d = from; d <= 6; ++d) {
            f[d] += 1;
            Add(f, d, size - 1);
            f[d] -= 1;
        }
    }
};

const Handfuls &Dice()
{
    static const Handfuls handfuls;
    return handfuls;
}

// Most the open upper categories can still add.
int UpperRoom(int filled)
{
    int room = 0;
    for (int c = 0; c < kUpperCount; ++c)
        if (!(filled & (1 << c)))
            room += 5 * (c + 1);
    return room;
}

// Upper totals that play alike share one entry: all of 64 and more, and all from which
// the bonus can no longer be reached (kept as 0).
int Canonical(int filled, int upperTotal)
{
    if (upperTotal >= kBonusFrom)
        return kBonusFrom;
    return upperTotal + UpperRoom(filled) < kBonusFrom ? 0 : upperTotal;
}

std::size_t Entry(int filled, int upperTotal, bool quoxaHolds50)
{
    return (std::size_t(filled) * 2 + (quoxaHolds50 ? 1 : 0)) * kTotals + std::size_t(Canonical(filled, upperTotal));
}

// The upper totals that play can reach with these upper categories filled, canonical.
std::vector<int> ReachableTotals(int filled)
{
    std::array<bool, kTotals> reach{};
    reach[0] = true;
    for (int c = 0; c < kUpperCount; ++c) {
        if (!(filled & (1 << c)))
            continue;
        std::array<bool, kTotals> next{};
        for (int u = 0; u < kTotals; ++u)
            for (int n = 0; reach[u] && n <= 5; ++n)
                next[std::min(kBonusFrom, u + n * (c + 1))] = true;
        reach = next;
    }
    std::vector<int> totals;
    for (int u = 0; u < kTotals; ++u)
        if (reach[u] && Canonical(filled, u) == u)
            totals.push_back(u);
    return totals;
}

using Values = std::array<float, Handfuls::kCount + 1>; // by handful; the last pads

// The value of keeping each handful before the next throw, from the values of the rolls
// after it: each die thrown adds one face of six.
void Expect(const Values &after, Values &keep)
{
    const Handfuls &dice = Dice();
    std::copy(after.begin() + Handfuls::kFirstRoll, after.end(), keep.begin() + Handfuls::kFirstRoll);
    for (int i = Handfuls::kFirstRoll - 1; i >= 0; --i) {
        const auto &m = dice.larger[i];
        keep[i] = ((keep[m[0]] + keep[m[1]]) + (keep[m[2]] + keep[m[3]]) + (keep[m[4]] + keep[m[5]])) / 6;
    }
}

// The value of each handful when the best part of it is kept.
void KeepBest(const Values &keep, Values &best)
{
    const Handfuls &dice = Dice();
    best[Handfuls::kCount] = kNone;
    for (int i = 0; i < Handfuls::kCount; ++i) {
        const auto &s = dice.smaller[i];
        best[i] = std::max(std::max(keep[i], best[s[0]]),
                           std::max(std::max(best[s[1]], best[s[2]]), std::max(best[s[3]], best[s[4]])));
    }
}

} // namespace

Position Position::Of(const PlayerSheet &sheet)
{
    Position position;
    const auto &rows = SheetCategories();
    for (int c = 0; c < kCategoryCount; ++c) {
        const int value = (sheet.*rows[c]->field).value();
        if (value == PlayerSheet::kUnscored)
            continue;
        position.filled |= 1 << c;
        if (c < kUpperCount)
            position.upperTotal += value;
    }
    position.quoxaHolds50 = sheet.intQuoxa.value() == 50;
    return position;
}

// One turn from one position: the value of scoring each roll now, of keeping each handful
// before throws 2 and 3, and of the whole turn; when asked for, what each roll is worth in
// each open category.
struct Strategy::Turn {
    Values now{}, keep2{}, keep3{}, best{};
    double rest = 0;
    bool keepWorth = false;
    std::array<std::array<float, Handfuls::kRolls>, kCategoryCount> worth{};
};

Strategy::Strategy(int threads, const std::atomic<bool> *stop) : mRest(std::size_t(kAllFilled + 1) * 2 * kTotals, 0.0f)
{
    Dice();
    std::array<std::vector<int>, kCategoryCount + 1> levels; // by how many categories are filled
    for (int filled = 0; filled < kAllFilled; ++filled)
        levels[std::popcount(unsigned(filled))].push_back(filled);
    for (int count = kCategoryCount - 1; count >= 0; --count) {
        SolveLevel(levels[count], std::max(1, threads), stop);
        if (stop && *stop)
            return;
    }
    mSolved = true;
}

// The positions of one level need only those of the level after it: the threads share
// them out.
void Strategy::SolveLevel(const std::vector<int> &masks, int threads, const std::atomic<bool> *stop)
{
    const auto work = [&](int first) {
        Turn turn;
        for (std::size_t m = std::size_t(first); m < masks.size(); m += std::size_t(threads)) {
            if (stop && *stop)
                return;
            const int filled = masks[m];
            for (int upperTotal : ReachableTotals(filled))
                for (bool holds50 : {false, true}) {
                    if (holds50 && !(filled & (1 << kQuoxaIndex)))
                        continue;
                    SolveTurn({filled, upperTotal, holds50}, turn);
                    mRest[Entry(filled, upperTotal, holds50)] = static_cast<float>(turn.rest);
                }
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work, t);
    work(0);
    for (std::thread &helper : helpers)
        helper.join();
}

QByteArray Strategy::Table() const
{
    return QByteArray(reinterpret_cast<const char *>(mRest.data()), qsizetype(tableBytes()));
}

std::shared_ptr<const Strategy> Strategy::FromTable(const QByteArray &table)
{
    std::vector<float> rest(std::size_t(kAllFilled + 1) * 2 * kTotals);
    if (std::size_t(table.size()) != rest.size() * sizeof(float))
        return nullptr;
    std::memcpy(rest.data(), table.constData(), std::size_t(table.size()));
    return std::shared_ptr<const Strategy>(new Strategy(std::move(rest)));
}

float Strategy::Rest(int filled, int upperTotal, bool quoxaHolds50) const
{
    return mRest[Entry(filled, upperTotal, quoxaHolds50)];
}

void Strategy::SolveTurn(const Position &position, Turn &turn) const
{
    const Handfuls &dice = Dice();
    const int filled = position.filled, total = position.upperTotal;
    const bool holds50 = position.quoxaHolds50;
    float *now = turn.now.data() + Handfuls::kFirstRoll;
    std::fill(now, now + Handfuls::kRolls, kNone);
    if (turn.keepWorth)
        for (auto &category : turn.worth)
            category.fill(kNone);
    // Each open category: what scoring each roll in it is worth, with the bonus it may
    // bring and the rest of the game after it.
    std::array<float, Handfuls::kRolls> scratch;
    for (int c = 0; c < kCategoryCount; ++c) {
        if (filled & (1 << c))
            continue;
        float *worth = turn.keepWorth ? turn.worth[c].data() : scratch.data();
        const int after = filled | (1 << c);
        if (c < kUpperCount) {
            std::array<float, 6> byShown; // by how many dice show the face
            for (int n = 0; n <= 5; ++n) {
                const int score = n * (c + 1), reached = total + score;
                const int bonus = total < kBonusFrom && reached >= kBonusFrom ? kUpperBonus : 0;
                byShown[n] = static_cast<float>(score + bonus) + Rest(after, reached, holds50);
            }
            for (int r = 0; r < Handfuls::kRolls; ++r)
                worth[r] = byShown[dice.shown[c][r]];
        } else {
            const float rest = Rest(after, total, holds50);
            for (int r = 0; r < Handfuls::kRolls; ++r)
                worth[r] = dice.score[c][r] + rest;
            if (c == kQuoxaIndex) // 50 in the Quoxa box: a box that holds 50 from now on
                for (int r : dice.fiveAlike)
                    worth[r] = dice.score[c][r] + Rest(after, total, true);
        }
        for (int r = 0; r < Handfuls::kRolls; ++r)
            now[r] = std::max(now[r], worth[r]);
    }
    // Five alike while the Quoxa box holds 50: 100 more, whatever category takes them.
    if (holds50)
        for (int r : dice.fiveAlike)
            now[r] += kExtraQuoxa;
    Expect(turn.now, turn.keep3);
    KeepBest(turn.keep3, turn.best);
    Expect(turn.best, turn.keep2);
    KeepBest(turn.keep2, turn.best);
    double rest = 0;
    for (int r = 0; r < Handfuls::kRolls; ++r)
        rest += dice.chance[r] * turn.best[Handfuls::kFirstRoll + r];
    turn.rest = rest;
}

double Strategy::ExpectedRest(const Position &position) const
{
    return Rest(position.filled, position.upperTotal, position.quoxaHolds50);
}

std::vector<Strategy::Choice> Strategy::Moves(const Position &position, const Faces &dice, int throwsMade) const
{
    // A turn asks up to three times from the same position: it is worked out once.
    thread_local Turn turn;
    thread_local Position last{-1};
    thread_local const Strategy *lastStrategy = nullptr;
    if (lastStrategy != this || last.filled != position.filled || last.upperTotal != position.upperTotal ||
        last.quoxaHolds50 != position.quoxaHolds50) {
        turn.keepWorth = true;
        SolveTurn(position, turn);
        last = position;
        lastStrategy = this;
    }
    const int handful = Dice().Index(dice), roll = handful - Handfuls::kFirstRoll;
    std::vector<Choice> moves;
    // Five alike while the Quoxa box holds 50 bring 100 more, in whichever category.
    const bool extra = position.quoxaHolds50 && std::find(dice.begin() + 1, dice.end(), 5) != dice.end();
    for (int c = 0; c < kCategoryCount; ++c)
        if (!(position.filled & (1 << c)))
            moves.push_back({c, dice, turn.worth[c][roll] + (extra ? kExtraQuoxa : 0.0)});
    if (throwsMade >= 3)
        return moves;
    const Values &keep = throwsMade == 1 ? turn.keep2 : turn.keep3;
    Faces part{}; // every handful of the roll in turn, counted face by face from none
    for (int d = 0; d <= 6;) {
        if (part != dice)
            moves.push_back({-1, part, keep[Dice().Index(part)]});
        for (d = 1; d <= 6 && part[d] == dice[d]; ++d)
            part[d] = 0;
        if (d <= 6)
            part[d] += 1;
    }
    return moves;
}

namespace {

const Strategy::Choice &BestOf(const std::vector<Strategy::Choice> &moves)
{
    return *std::max_element(moves.begin(), moves.end(), [](const auto &a, const auto &b) { return a.expectedRest < b.expectedRest; });
}

// Each level's t, in points: the larger, the more often a costly move is played. Levels 1 to 4
// are set so that a lone player's mean total is about 160, 205, 230 and 245.
constexpr std::array<double, Strategy::kLevels - 1> kTemperatures{3.8, 1.9, 1.05, 0.57};

} // namespace

Strategy::Choice Strategy::Best(const Position &position, const Faces &dice, int throwsMade) const
{
    return BestOf(Moves(position, dice, throwsMade));
}

std::vector<double> Strategy::Weights(const std::vector<Choice> &moves, int level)
{
    const Choice &best = BestOf(moves);
    std::vector<double> weights;
    for (const Choice &move : moves)
        weights.push_back(level >= kLevels ? (&move == &best ? 1.0 : 0.0)
                                           : std::exp((move.expectedRest - best.expectedRest) /
                                                      kTemperatures[static_cast<std::size_t>(std::max(level, 1) - 1)]));
    return weights;
}

} // namespace quoxa
