#include "engine/ScoreSheet.h"

#include <QCoreApplication>
#include <algorithm>

namespace quoxa {

DiceCounts DiceCounts::Of(std::span<const int, 5> values)
{
    DiceCounts c;
    for (int x : values) {
        c.count.at(static_cast<std::size_t>(x)) += 1;
        c.sum += x;
    }
    return c;
}

bool DiceCounts::HasCount(int atLeast) const
{
    return std::any_of(count.begin() + 1, count.end(), [=](int n) { return n >= atLeast; });
}

bool DiceCounts::HasExactCount(int exactly) const
{
    return std::find(count.begin() + 1, count.end(), exactly) != count.end();
}

namespace {

template <int Face>
int Upper(const DiceCounts &c) { return c.count[Face] * Face; }

int ThreeOfAKind(const DiceCounts &c) { return c.HasCount(3) ? c.sum : 0; }
int FourOfAKind(const DiceCounts &c) { return c.HasCount(4) ? c.sum : 0; }
int FullHouse(const DiceCounts &c)
{
    return (c.HasExactCount(2) && c.HasExactCount(3)) || c.HasCount(5) ? 25 : 0;
}

// True when every face from `from` to `to` shows at least `atLeast` times (or exactly once).
bool Run(const DiceCounts &c, int from, int to, bool exactlyOnce)
{
    for (int face = from; face <= to; ++face)
        if (exactlyOnce ? c.count[face] != 1 : c.count[face] < 1)
            return false;
    return true;
}

int SmallStraight(const DiceCounts &c)
{
    return Run(c, 1, 4, false) || Run(c, 2, 5, false) || Run(c, 3, 6, false) ? 30 : 0;
}
int LargeStraight(const DiceCounts &c) { return Run(c, 1, 5, true) || Run(c, 2, 6, true) ? 40 : 0; }
int Quoxa(const DiceCounts &c) { return c.HasCount(5) ? 50 : 0; }
int Chance(const DiceCounts &c) { return c.sum; }

} // namespace

const std::array<SheetRow, 18> kScoreSheet{{
    {u"lblOnes", 0, QT_TRANSLATE_NOOP("ScoreSheet", "Ones"), &PlayerSheet::intOnes, 1, Upper<1>},
    {u"lblTwos", 1, QT_TRANSLATE_NOOP("ScoreSheet", "Twos"), &PlayerSheet::intTwos, 1, Upper<2>},
    {u"lblThrees", 2, QT_TRANSLATE_NOOP("ScoreSheet", "Threes"), &PlayerSheet::intThrees, 1, Upper<3>},
    {u"lblFours", 3, QT_TRANSLATE_NOOP("ScoreSheet", "Fours"), &PlayerSheet::intFours, 1, Upper<4>},
    {u"lblFives", 4, QT_TRANSLATE_NOOP("ScoreSheet", "Fives"), &PlayerSheet::intFives, 1, Upper<5>},
    {u"lblSixes", 5, QT_TRANSLATE_NOOP("ScoreSheet", "Sixes"), &PlayerSheet::intSixes, 1, Upper<6>},
    {u"lblTotal", 6, QT_TRANSLATE_NOOP("ScoreSheet", "Total"), &PlayerSheet::intTotal, 1, nullptr},
    {u"lblBonus", 7, QT_TRANSLATE_NOOP("ScoreSheet", "Bonus"), &PlayerSheet::intBonus, 1, nullptr},
    {u"lblSection1Total", 8, QT_TRANSLATE_NOOP("ScoreSheet", "Section Total"), &PlayerSheet::intSection1Total, 1, nullptr},
    {u"lblThreeOfAKind", 9, QT_TRANSLATE_NOOP("ScoreSheet", "Three of a Kind"), &PlayerSheet::intThreeOfAKind, 2, ThreeOfAKind},
    {u"lblFourOfAKind", 10, QT_TRANSLATE_NOOP("ScoreSheet", "Four of a Kind"), &PlayerSheet::intFourOfAKind, 2, FourOfAKind},
    {u"lblFullHouse", 11, QT_TRANSLATE_NOOP("ScoreSheet", "Full House"), &PlayerSheet::intFullHouse, 2, FullHouse},
    {u"lblSmallStraight", 12, QT_TRANSLATE_NOOP("ScoreSheet", "Small Straight"), &PlayerSheet::intSmallStraight, 2, SmallStraight},
    {u"lblLargeStraight", 13, QT_TRANSLATE_NOOP("ScoreSheet", "Large Straight"), &PlayerSheet::intLargeStraight, 2, LargeStraight},
    {u"lblQuoxa", 14, QT_TRANSLATE_NOOP("ScoreSheet", "Quoxa"), &PlayerSheet::intQuoxa, 2, Quoxa},
    {u"lblChance", 15, QT_TRANSLATE_NOOP("ScoreSheet", "Chance"), &PlayerSheet::intChance, 2, Chance},
    {u"lblSection2Total", 16, QT_TRANSLATE_NOOP("ScoreSheet", "Section Total"), &PlayerSheet::intSection2Total, 2, nullptr},
    {u"lblGameTotal", 17, QT_TRANSLATE_NOOP("ScoreSheet", "Game Total"), &PlayerSheet::intGameTotal, 2, nullptr},
}};

const std::array<const SheetRow *, kCategoryCount> &SheetCategories()
{
    static const auto rows = [] {
        std::array<const SheetRow *, kCategoryCount> categories{};
        std::size_t next = 0;
        for (const SheetRow &row : kScoreSheet)
            if (row.isCategory())
                categories[next++] = &row;
        return categories;
    }();
    return rows;
}

QString Caption(const SheetRow &row)
{
    return QCoreApplication::translate("ScoreSheet", row.caption);
}

QString RowName(const SheetRow &row)
{
    return row.label == u"lblSection1Total"   ? QCoreApplication::translate("ScoreSheet", "Upper Section Total")
           : row.label == u"lblSection2Total" ? QCoreApplication::translate("ScoreSheet", "Lower Section Total")
                                              : Caption(row);
}

Int16 ScoreDice(PlayerSheet &sheet, const SheetRow &row, std::span<const int, 5> dice, bool fiveAlike)
{
    const Int16 score = row.rule(DiceCounts::Of(dice));
    sheet.*row.field = score;
    if (fiveAlike && sheet.intQuoxa == 50)
        sheet.intQuoxaCount += 1;
    TotalSheet(sheet);
    return score;
}

void TotalSheet(PlayerSheet &sheet)
{
    const auto sum = [&](int section) {
        Int16 total;
        for (const SheetRow &row : kScoreSheet)
            if (row.isCategory() && row.section == section && sheet.*row.field != PlayerSheet::kUnscored)
                total += sheet.*row.field;
        return total;
    };
    sheet.intTotal = sum(1);
    Int16 bonus = UpperBonusEarned(sheet) ? kUpperBonus : 0;
    if (sheet.intQuoxaCount > 1)
        bonus += (sheet.intQuoxaCount - 1) * 100;
    sheet.intBonus = bonus;
    sheet.intSection1Total = sheet.intTotal + sheet.intBonus;
    sheet.intSection2Total = sum(2);
    sheet.intGameTotal = sheet.intSection2Total + sheet.intSection1Total;
}

const SheetRow *FindSheetRow(QStringView label)
{
    const auto it = std::find_if(kScoreSheet.begin(), kScoreSheet.end(),
                                 [&](const SheetRow &row) { return row.label == label; });
    return it == kScoreSheet.end() ? nullptr : &*it;
}

} // namespace quoxa
