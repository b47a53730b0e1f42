#pragma once
// What the game tells the board it is played on: what changed, never a question about the
// game. The main window implements it; engine tests use a recording fake. Dice are numbered
// 1 to 5, players' rows 1 to 4.
#include "engine/Checked.h"
#include "engine/GameRecord.h"

#include <QString>
#include <QStringView>

namespace quoxa {

class Board {
public:
    virtual ~Board() = default;

    // A die's value shows as the Tag text of its body, a hold as its marker: a mirror of the
    // game's dice, never read back.
    virtual void SetDieTag(int die, const QString &tag) = 0;
    virtual void ShowFace(int die, int value) = 0;
    // Shows the die's hold marker, or takes it away.
    virtual void SetHeld(int die, bool held) = 0;

    virtual void ReleaseHolds() = 0;
    virtual void RefreshPointers() = 0;
    virtual void ShowStatusText() = 0;
    virtual void SetThrowButtonFace(const QString &name) = 0;
    virtual void ShowQuestionMarks(bool show) = 0;
    virtual void SetUndoEnabled(bool enabled) = 0;

    // One value of the score sheet: -1 empty on white, anything else its number on grey.
    virtual void ShowScoreCell(QStringView label, Int16 value) = 0;
    // A category taken back: empty on white, with the pencil pointer.
    virtual void ReopenScoreCell(QStringView label) = 0;

    virtual void ClearPlayerList() = 0;
    virtual void AddPlayerRow(const QString &name, const QString &score) = 0;
    virtual void SelectPlayerRow(int row) = 0;
    virtual void SetPlayerScore(int row, const QString &score) = 0;

    // A sound of the game by its name ("THROW"), played when sounds are on.
    virtual void PlaySound(const QString &name) = 0;
    // The celebration of five alike: its window opens, and the game goes on.
    virtual void ShowCelebration() = 0;
    // The high-score table: offers one total, true when it entered.
    virtual bool SaveScore(const QString &name, Int16 score) = 0;
    // The very end of a game: the high-score window when a total entered the table, then,
    // once it has closed, the final scores, if anyone is to be shown them.
    virtual void ShowGameEnd(bool newHighScore) = 0;
    // The game's record after each new game, throw, turn passed on, score and undo: the board
    // keeps it, a game that is over among the finished ones.
    virtual void KeepRecord(const GameRecord &record) = 0;
};

} // namespace quoxa
