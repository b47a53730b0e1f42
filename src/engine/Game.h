#pragma once
// The turn flow of one game: the turn state, the throw, five alike, passing the turn, the
// end of the game. It reaches the screen only through the Board.
#include "engine/Board.h"
#include "engine/Checked.h"
#include "engine/RandomSource.h"
#include "engine/ScoreSheet.h"
#include "engine/Strategy.h"

#include <QString>

namespace quoxa {

class Game {
public:
    Game(Board &board, RandomSource &random);

    void StartNewGame();
    void SetTurnState(QString state); // by value: callers pass mstrPrevState itself
    void cmdThrow_Click();
    void ThrowDice();
    bool CheckForQuoxa() const;
    void NextPlayer();
    void ResetScoreSheets();
    bool SaveHighScores();

    // Scoring: the click on a category label, named by its control name.
    void RecordScore(QStringView label);
    void UpdateTotals();
    void UndoLastScore();

    void ShowPlayerSheet();
    void FillPlayerList();

    // The best move for the player whose turn it is, as the Hint tells it: its line with
    // the expected final total, and the dice to keep (by die, 1 to 5) or the category to
    // score. Nothing in the game changes.
    struct Hint {
        QString text;
        std::array<bool, 5> keep{};
        const SheetRow *category = nullptr;
    };
    Hint BestMove(const Strategy &strategy) const;

    // The turn variables.
    QString mstrState;
    QString mstrPrevState;
    Int16 mintPlayer{1};
    Int16 mintRolls{3};
    Int16 mintScored;
    bool mblnCanHold = false;
    bool mblnCanScore = false;
    bool mblnCanUndo = false;
    bool mblnQuoxa = false;
    const SheetRow *mlblLastScored = nullptr;

private:
    void EndTurn();
    // The values the five dice show, each 1 to 6 (anything else is out of range).
    std::array<int, 5> DiceValues() const;
    PlayerSheet &CurrentSheet() { return gudtPlayer(mintPlayer.value()); }

    Board &mBoard;
    RandomSource &mRandom;
};

// A game total as the players list shows it: digits grouped by the locale ("#,##0").
QString FormatGameTotal(Int16 total);

} // namespace quoxa
