#pragma once
// Moves in words, in one place for the Hint, the computer's narration and the review, with
// one set of texts for the translators: the dice kept ("5 5 5"), the box and what it scores,
// and the sentences each window makes of them.
#include "engine/GameRecord.h"
#include "engine/GameReview.h"
#include "engine/Strategy.h"

#include <QStringList>

namespace quoxa::MoveText {

// Dice by their faces, lowest first: "5 5 6".
QString Faces(const quoxa::Faces &faces);
// Dice in the order they lie: "2 5 6 4 6".
QString Dice(const DiceSet &dice);

// A move with these dice as the review lists it: "keep 2 2 3 3", "throw all five again",
// "score Full House (25)".
QString Move(const Strategy::Choice &move, const DiceSet &dice);

// The Hint's line: the move (none: the throw that begins a turn) and the final total it
// expects: "Hint: keep 5 5 5 and throw again. Expected final total: 231.40".
QString Hint(const Strategy::Choice *move, const DiceSet &dice, double total);

// What a computer's player does, in its name: the move (none: the throw that begins its
// turn), "Bea keeps 5 5 5 and throws again.", "Bea scores 25 in Full House.".
QString Narration(const QString &name, const Strategy::Choice *move, const DiceSet &dice);

// What a screen reader is told after a person's own moves: the dice after a throw and the
// throws left ("2 5 6 4 6. Two throws left."), a die held or let go ("Die 2: 5, held",
// "Die 2: 5, free"), and a score with the game total it makes ("Chance: 23. Game total 145.").
QString Thrown(const DiceSet &dice, int throwsLeft);
QString Held(int die, int face, bool held);
// A die by its number and what it shows, as its name on the board and those lines say it:
// "Die 3: 5, held" (with HeldFace: "5, held").
QString DieLine(int die, const QString &shown);
QString HeldFace(int face);
QString Scored(const SheetRow &box, int points, int gameTotal);

// What a screen reader is told besides the narration: the dice a computer threw, in the order
// they lie ("Bea throws 2 5 5 6 1."), a computer's total after its score ("Bea's total 75."),
// and the upper bonus once anyone earns it ("Ada earns the upper bonus of 35.").
QString Threw(const QString &name, const DiceSet &dice);
// A player's score, as the narration and the move log say it: "Bea scores 25 in Full House."
QString Scores(const QString &name, qint64 points, const SheetRow &box);
QString Total(const QString &name, int total);
QString Bonus(const QString &name, int bonus);
// How a game on known dice begins: "Daily game of 8 December 2026.", "Dice code K7QX-93R1
// accepted."
QString DailyGame(const QString &day);
QString CodeAccepted(const QString &code);

// The game's moves so far, one line a decision of any player, in the narration's words and
// the order played: "Bea keeps 5 5 5 and throws again.", "Bea scores 25 in Full House.".
QStringList Log(const GameRecord &record);

// A slip by its kind, in the review's list and its moment line alike: "inaccuracy",
// "mistake", "blunder"; none for a decision that is no slip.
QString SlipName(Slip slip);

// One decision of a game in the review's words: who had what, what the dice gave or took and
// what it expected then, what was played and what was best, with the points lost and the
// kind of slip.
struct Moment {
    int turn = 0, throwNumber = 0;
    QString name;
    DiceSet dice{};
    Strategy::Choice played, best;
    double luck = 0, after = 0, value = 0, lost = 0;
};
QString MomentLine(const Moment &moment);

// A number of points with two decimals in the player's locale: "252.28", "−1.39".
QString Points(double points);

// A computer's level by its name, wherever a level is shown: 1 "Beginner" to 5 "Perfect".
QString Level(int level);

} // namespace quoxa::MoveText
