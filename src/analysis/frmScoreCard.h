#pragma once
// The score card: every player's sheet side by side, kept up to date as the game goes, with
// the box scored last marked until the next score, and below it the game's moves, newest
// last. A window of its own beside the board, owned by it, that never takes the keyboard
// focus from it. At the end of a game of two or more it tells who won, and every place, and
// offers another game with the same players. It gives the dice's code, and at the end the
// most the same dice allow and what the computer at Perfect makes on them.
#include <QIcon>
#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class QTableWidget;
class QTableWidgetItem;

namespace quoxa {

class Game;

class frmScoreCard : public QWidget {
    Q_OBJECT

public:
    // `playAgain` starts a new game with the same players; `review` reviews the game just over.
    frmScoreCard(QWidget *owner, std::function<void()> playAgain, std::function<void()> review);

    // Shows the game's sheets as they stand, the box scored last marked; at the end of a
    // game of two or more, with the ranking, Review Game and Play Again.
    void Refresh(const Game &game);
    // Shows the window beside its owner; asked for, it takes the keyboard to its table, at
    // the box scored last (the first box before any score), which is read cell by cell with
    // its row and player; Tab goes on to the moves, the lines below and the buttons.
    void ShowBeside(bool asked);

private:
    void ShowMoves(const QStringList &moves);

    QLabel *lblRanking = nullptr;
    QTableWidget *grdScoreCard = nullptr;
    QListWidget *lstMoves = nullptr;
    QPushButton *cmdPlayAgain = nullptr;
    QPushButton *cmdReview = nullptr;
    QTableWidgetItem *mLastScored = nullptr; // the box scored last, when there is one
    QIcon mComputerIcon; // kept: a picture anew at every refresh would fill the toolkit's cache

    // The game's dice: their code, and at the end the most they allow, the Perfect computer's
    // total on them, each player's total against it and, after a daily game, Copy Result.
    void BuildDiceLines(QVBoxLayout *layout);
    void ShowDiceLines(const Game &game);
    QLabel *lblDiceCode = nullptr;
    QLabel *lblPar = nullptr;
    QPushButton *cmdCopyResult = nullptr;
    QString mResult;          // the line Copy Result puts on the clipboard
    bool mParAwaited = false; // best play is being worked out: shown when it is
};

} // namespace quoxa
