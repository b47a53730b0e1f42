// The computer's moves: when the computer plays for the player whose turn it is, the board
// plays the turn through the same controls a person presses, one step at a time with the
// chosen pause between: throw; hold the dice it keeps and throw again, or score; and pass
// the turn on. Every decision is best play's.
#include "board/frmMain.h"
#include "platform/ErrorTrap.h"
#include "settings/basMain.h"

#include <QApplication>
#include <QScopedValueRollback>

namespace quoxa {

bool frmMain::ComputerTurn() const
{
    return mGame.mstrState != u"Game Over" && gblnComputer.at(static_cast<std::size_t>(mGame.mintPlayer.value() - 1));
}

bool frmMain::PersonLockedOut() const
{
    return ComputerTurn() && !mComputerActing;
}

void frmMain::ScheduleComputer()
{
    if (ComputerTurn())
        mComputerStep.start(gintComputerDelay.value());
    else
        mComputerStep.stop();
}

void frmMain::ComputerStep()
{
    Trap([&] {
        if (!ComputerTurn())
            return;
        if (QApplication::activeModalWidget()) { // a window is open over the board: wait for it
            ScheduleComputer();
            return;
        }
        const QScopedValueRollback acting(mComputerActing, true);
        if (mGame.mstrState == u"Throw 0" || mGame.mstrState == u"Continue") {
            cmdThrow_Click();
        } else {
            const Game::Hint move = mGame.BestMove(Strategy::Shared());
            bool held = false; // the dice to keep first, then the throw, each a step of its own
            for (int die = 1; !move.category && die <= 5; ++die)
                if (IsHeld(die) != move.keep[static_cast<std::size_t>(die - 1)]) {
                    fraDie_Click(die);
                    held = true;
                }
            if (move.category)
                ScoreCategory(move.category->label);
            else if (!held)
                cmdThrow_Click();
        }
        ScheduleComputer();
    });
}

} // namespace quoxa
