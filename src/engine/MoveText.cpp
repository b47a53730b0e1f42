#include "engine/MoveText.h"
#include "engine/ScoreSheet.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

namespace quoxa::MoveText {
namespace {

const SheetRow &Box(const Strategy::Choice &move)
{
    return *SheetCategories().at(std::size_t(move.category));
}

int PointsIn(const SheetRow &row, const DiceSet &dice)
{
    return row.rule(DiceCounts::Of(dice));
}

} // namespace

QString Scores(const QString &name, qint64 points, const SheetRow &box)
{
    return QCoreApplication::translate("MoveText", "%1 scores %2 in %3.").arg(name, QString::number(points), Caption(box));
}

QString Faces(const quoxa::Faces &faces)
{
    QStringList texts;
    for (int face = 1; face <= 6; ++face)
        for (int n = 0; n < faces[face]; ++n)
            texts << QString::number(face);
    return texts.join(u' ');
}

QString Dice(const DiceSet &dice)
{
    QStringList faces;
    for (int face : dice)
        faces << QString::number(face);
    return faces.join(u' ');
}

QString Thrown(const DiceSet &dice, int throwsLeft)
{
    static const std::array<const char *, 3> kThrowsLeft{QT_TRANSLATE_NOOP("MoveText", "No throws left."),
                                                         QT_TRANSLATE_NOOP("MoveText", "One throw left."),
                                                         QT_TRANSLATE_NOOP("MoveText", "Two throws left.")};
    return Dice(dice) + QStringLiteral(". ") +
           QCoreApplication::translate("MoveText", kThrowsLeft.at(std::size_t(std::clamp(throwsLeft, 0, 2))));
}

QString Held(int die, int face, bool held)
{
    return DieLine(die, held ? HeldFace(face) : QCoreApplication::translate("MoveText", "%1, free").arg(face));
}

QString DieLine(int die, const QString &shown)
{
    return QCoreApplication::translate("MoveText", "Die %1: %2").arg(die).arg(shown);
}

QString HeldFace(int face)
{
    return QCoreApplication::translate("MoveText", "%1, held").arg(face);
}

QString Scored(const SheetRow &box, int points, int gameTotal)
{
    return QCoreApplication::translate("MoveText", "%1: %2. Game total %3.").arg(RowName(box)).arg(points).arg(gameTotal);
}

QString Threw(const QString &name, const DiceSet &dice)
{
    return QCoreApplication::translate("MoveText", "%1 throws %2.").arg(name, Dice(dice));
}

QString Total(const QString &name, int total)
{
    return QCoreApplication::translate("MoveText", "%1's total %2.").arg(name, QString::number(total));
}

QString Bonus(const QString &name, int bonus)
{
    return QCoreApplication::translate("MoveText", "%1 earns the upper bonus of %2.").arg(name, QString::number(bonus));
}

QString DailyGame(const QString &day)
{
    return QCoreApplication::translate("MoveText", "Daily game of %1.").arg(day);
}

QString CodeAccepted(const QString &code)
{
    return QCoreApplication::translate("MoveText", "Dice code %1 accepted.").arg(code);
}

QString Points(double points)
{
    // Below zero with a minus sign, not the hyphen the locale writes ("−1.39").
    const QString shown = QLocale().toString(std::abs(points), 'f', 2);
    return points < 0 && shown != QLocale().toString(0.0, 'f', 2) ? u'\u2212' + shown : shown;
}

QString Level(int level)
{
    // Weakest first.
    static const std::array<const char *, Strategy::kLevels> kNames{
        QT_TRANSLATE_NOOP("MoveText", "Beginner"), QT_TRANSLATE_NOOP("MoveText", "Casual"), QT_TRANSLATE_NOOP("MoveText", "Club"),
        QT_TRANSLATE_NOOP("MoveText", "Expert"), QT_TRANSLATE_NOOP("MoveText", "Perfect")};
    return QCoreApplication::translate("MoveText", kNames.at(std::size_t(std::clamp(level, 1, Strategy::kLevels) - 1)));
}

QString Move(const Strategy::Choice &move, const DiceSet &dice)
{
    if (move.category >= 0)
        return QCoreApplication::translate("MoveText", "score %1 (%2)").arg(Caption(Box(move))).arg(PointsIn(Box(move), dice));
    const QString kept = Faces(move.keep);
    return kept.isEmpty() ? QCoreApplication::translate("MoveText", "throw all five again")
                          : QCoreApplication::translate("MoveText", "keep %1").arg(kept);
}

QString Hint(const Strategy::Choice *move, const DiceSet &dice, double total)
{
    const QString expected = Points(total);
    if (!move)
        return QCoreApplication::translate("MoveText", "Hint: throw the dice. Expected final total: %1").arg(expected);
    if (move->category >= 0) { // what it scores, and plainly when it is a sacrifice
        const SheetRow &box = Box(*move);
        if (const int points = PointsIn(box, dice))
            return QCoreApplication::translate("MoveText", "Hint: score %1 for %2. Expected final total: %3")
                .arg(Caption(box), QString::number(points), expected);
        return QCoreApplication::translate("MoveText", "Hint: score 0 in %1 (it costs the least). Expected final total: %2")
            .arg(Caption(box), expected);
    }
    const QString kept = Faces(move->keep);
    return kept.isEmpty() ? QCoreApplication::translate("MoveText", "Hint: throw all five again. Expected final total: %1").arg(expected)
                          : QCoreApplication::translate("MoveText", "Hint: keep %1 and throw again. Expected final total: %2").arg(kept, expected);
}

QString Narration(const QString &name, const Strategy::Choice *move, const DiceSet &dice)
{
    if (!move)
        return QCoreApplication::translate("MoveText", "%1 throws the dice.").arg(name);
    if (move->category >= 0)
        return Scores(name, PointsIn(Box(*move), dice), Box(*move));
    const QString kept = Faces(move->keep);
    return kept.isEmpty() ? QCoreApplication::translate("MoveText", "%1 throws all five again.").arg(name)
                          : QCoreApplication::translate("MoveText", "%1 keeps %2 and throws again.").arg(name, kept);
}

QStringList Log(const GameRecord &record)
{
    QStringList lines;
    for (std::size_t t = 0; t < record.turns.size(); ++t) {
        const GameRecord::Turn &turn = record.turns[t];
        const QString &name = record.players.at(std::size_t(record.PlayerOf(t) - 1)).name;
        for (std::size_t k = 1; k < turn.throws.size(); ++k) { // the dice held before each throw again
            Strategy::Choice keep;
            for (std::size_t die = 0; die < 5; ++die)
                keep.keep.at(std::size_t(turn.throws[k - 1].dice[die])) += turn.throws[k].held[die] ? 1 : 0;
            lines << Narration(name, &keep, turn.throws[k - 1].dice);
        }
        if (turn.scored)
            lines << Scores(name, turn.points, *turn.scored);
    }
    return lines;
}

QString SlipName(Slip slip)
{
    static const std::array<const char *, 4> kNames{nullptr, QT_TRANSLATE_NOOP("MoveText", "inaccuracy"),
                                                    QT_TRANSLATE_NOOP("MoveText", "mistake"), QT_TRANSLATE_NOOP("MoveText", "blunder")};
    const char *name = kNames.at(std::size_t(slip));
    return name ? QCoreApplication::translate("MoveText", name) : QString();
}

QString MomentLine(const Moment &m)
{
    // What the throw gave, or took: the luck without its sign, in words that say which.
    const QString thrown = m.luck < 0 ? QCoreApplication::translate("MoveText", "Turn %1, throw %2: %3 had %4 (the dice took %5), "
                                                                                "expecting %6 in the end with best play.")
                                      : QCoreApplication::translate("MoveText", "Turn %1, throw %2: %3 had %4 (the dice gave %5), "
                                                                                "expecting %6 in the end with best play.");
    const QString slip = SlipName(SlipOf(m.lost));
    QString played = (slip.isEmpty() ? QCoreApplication::translate("MoveText", "Played: %1 (expecting %2). Best: %3. Points lost: %4.")
                                     : QCoreApplication::translate("MoveText", "Played: %1 (expecting %2). Best: %3. Points lost: %4 (%5)."))
                         .arg(Move(m.played, m.dice), Points(m.value), Move(m.best, m.dice), Points(m.lost));
    if (!slip.isEmpty())
        played = played.arg(slip);
    return thrown.arg(m.turn).arg(m.throwNumber).arg(m.name, Dice(m.dice), Points(std::abs(m.luck)), Points(m.after)) + u'\n' + played;
}

} // namespace quoxa::MoveText
