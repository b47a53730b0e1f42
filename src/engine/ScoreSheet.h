#pragma once
// The score sheet: its eighteen rows in the order the sheet is shown, each with its label,
// caption and field. The thirteen rows that carry a scoring rule are the categories.
#include "engine/PlayerSheet.h"

#include <QString>
#include <QStringView>
#include <array>
#include <span>

namespace quoxa {

// What a scoring needs to know of the five dice: how many show each face, and their sum.
struct DiceCounts {
    std::array<int, 7> count{}; // count[1] .. count[6]; count[0] unused
    int sum = 0;

    static DiceCounts Of(std::span<const int, 5> values);
    bool HasCount(int atLeast) const;
    bool HasExactCount(int exactly) const;
};

using ScoreRule = int (*)(const DiceCounts &);

struct SheetRow {
    QStringView label;      // control name of the value label
    int captionIndex;       // index in lblLabels
    const char *caption;    // as the sheet shows it, in English: Caption() gives it translated
    Int16 PlayerSheet::*field;
    int section;            // 1: left column, 2: right column
    ScoreRule rule;         // null for the total rows

    bool isCategory() const { return rule != nullptr; }
};

// All eighteen rows, in the order ShowPlayerSheet draws them.
extern const std::array<SheetRow, 18> kScoreSheet;
constexpr int kCategoryCount = 13;

// The row's caption as the sheet shows it, in the player's language.
QString Caption(const SheetRow &row);

// The row's name on its own, as a screen reader or the score card gives it: its caption,
// the two section totals told apart ("Upper Section Total", "Lower Section Total").
QString RowName(const SheetRow &row);

// The row with that label name (exact, case-sensitive), or null.
const SheetRow *FindSheetRow(QStringView label);

// Scores the five dice in an open category of the sheet: its points, a five alike counted
// when the Quoxa box holds 50 afterwards, and every total again. The points scored.
Int16 ScoreDice(PlayerSheet &sheet, const SheetRow &row, std::span<const int, 5> dice, bool fiveAlike);
// The sheet's totals from its categories: the upper total, the bonus (35 above 63, and 100
// for each five alike after the first), the section totals and the game total.
void TotalSheet(PlayerSheet &sheet);
// The upper bonus, earned once the upper total is above 63.
constexpr int kUpperBonus = 35;
inline bool UpperBonusEarned(const PlayerSheet &sheet) { return sheet.intTotal > 63; }

// The thirteen categories in sheet order, Ones first.
const std::array<const SheetRow *, kCategoryCount> &SheetCategories();

} // namespace quoxa
