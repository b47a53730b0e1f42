#include "engine/MostDice.h"
#include "engine/ScoreSheet.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace quoxa {
namespace {

constexpr int kRounds = 13;
constexpr int kWays = 3 * 3 * 3 * 3 * 3; // each of five dice ends on its face of throw 1, 2 or 3
constexpr int kUpperCap = 64;             // 64 or more earns the 35, and more earns no more
constexpr int kUpperBonus = 35;
constexpr int kFiveAlikeBonus = 100;
constexpr int kNone = -1;

// The most one round's dice can score in each category, of all the ways they can end, and of
// those that show five alike (kNone when none does).
struct RoundMost {
    std::array<int, kCategoryCount> any{};
    std::array<int, kCategoryCount> fiveAlike{};
};

RoundMost MostOfRound(const SeededFaces &faces, int round)
{
    const auto &categories = SheetCategories();
    RoundMost most;
    most.fiveAlike.fill(kNone);
    for (int way = 0; way < kWays; ++way) {
        std::array<int, 5> dice{};
        for (int die = 1, rest = way; die <= 5; ++die, rest /= 3)
            dice[std::size_t(die - 1)] = DiceOrigin::Face(faces, round, rest % 3 + 1, die);
        const DiceCounts counts = DiceCounts::Of(dice);
        const bool fiveAlike = counts.HasCount(5);
        for (std::size_t c = 0; c < categories.size(); ++c) {
            const int score = categories[c]->rule(counts);
            most.any[c] = std::max(most.any[c], score);
            if (fiveAlike)
                most.fiveAlike[c] = std::max(most.fiveAlike[c], score);
        }
    }
    return most;
}

// The most points so far, for each upper total up to kUpperCap; kNever where no play leads, so
// far below any total that no score lifts it to one.
constexpr int kUppers = kUpperCap + 1;
constexpr std::int16_t kNever = -20000;
using UpperRow = std::array<std::int16_t, kUppers>;

// Moves the points of `from` on by one score into `to`, keeping the better of the two: with
// the upper total raised by `upperScore`, and the 35 to whoever reaches kUpperCap.
void Offer(const UpperRow &from, UpperRow &to, int points, int upperScore)
{
    const auto better = [](std::int16_t &cell, int value) { cell = std::int16_t(std::max(int(cell), value)); };
    for (int upper = 0; upper + upperScore < kUpperCap; ++upper)
        better(to[std::size_t(upper + upperScore)], from[std::size_t(upper)] + points);
    for (int upper = std::max(0, kUpperCap - upperScore); upper < kUppers; ++upper)
        better(to[kUpperCap], from[std::size_t(upper)] + points + (upper < kUpperCap ? kUpperBonus : 0));
}

} // namespace

int MostTotal(const SeededFaces &faces)
{
    const auto &categories = SheetCategories();
    const SheetRow *quoxaBox = FindSheetRow(u"lblQuoxa");
    std::array<RoundMost, kRounds> rounds;
    for (int round = 1; round <= kRounds; ++round)
        rounds[std::size_t(round - 1)] = MostOfRound(faces, round);

    // The rows of points for each set of categories the rounds so far filled (a bit each) and
    // whether the Quoxa box holds 50. Every round fills one category, so the set tells the
    // round. The totals stay far inside 16 bits: 13 rounds of at most 50 + 100.
    constexpr int kSets = 1 << kCategoryCount;
    UpperRow never;
    never.fill(kNever);
    std::vector<std::array<UpperRow, 2>> most(std::size_t(kSets), {never, never});
    most[0][0][0] = 0;
    const std::size_t quoxaBit = std::size_t(std::find(categories.begin(), categories.end(), quoxaBox) - categories.begin());
    for (int filled = 0; filled + 1 < kSets; ++filled) {
        const RoundMost &dice = rounds[std::size_t(std::popcount(unsigned(filled)))];
        for (const bool quoxa50 : {false, true}) {
            if (quoxa50 && !(filled >> quoxaBit & 1))
                break; // the Quoxa box is still empty
            const UpperRow &from = most[std::size_t(filled)][quoxa50];
            for (unsigned open = ~unsigned(filled) & (kSets - 1); open; open &= open - 1) {
                const auto c = std::size_t(std::countr_zero(open));
                auto &next = most[std::size_t(filled | 1 << c)];
                // After a Quoxa of 50, every five alike scored earns 100, in any category.
                const int five = quoxa50 ? dice.fiveAlike[c] : kNone;
                if (categories[c] == quoxaBox) {
                    Offer(from, next[dice.any[c] > 0], dice.any[c], 0); // 50 whenever five alike can show
                } else if (categories[c]->section == 1) { // the more in the upper total, the better
                    Offer(from, next[quoxa50], dice.any[c], dice.any[c]);
                    if (five != kNone)
                        Offer(from, next[quoxa50], five + kFiveAlikeBonus, five);
                } else {
                    Offer(from, next[quoxa50], std::max(dice.any[c], five == kNone ? 0 : five + kFiveAlikeBonus), 0);
                }
            }
        }
    }
    int best = 0;
    for (const UpperRow &row : most.back())
        best = std::max(best, int(*std::max_element(row.begin(), row.end())));
    return best;
}

} // namespace quoxa
