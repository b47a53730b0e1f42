// The computer's moves: when the computer plays for the player whose turn it is, the board
// plays the turn through the same controls a person presses, one step at a time with the
// chosen pause between: throw; hold the dice it keeps and throw again, or score; and pass
// the turn on. Each decision is made once, after a throw, at the player's level, and the
// status bar tells it.
#include "board/frmMain.h"
#include "platform/ErrorTrap.h"
#include "settings/basMain.h"

#include <QApplication>
#include <QScopedValueRollback>

namespace quoxa {
namespace {

// How often a computer's step looks again while it waits for best play or a window.
constexpr int kWaitStepMs = 50;

} // namespace

bool frmMain::ComputerTurn() const
{
    return mGame.mstrState != u"Game Over" && mGame.players().computer.at(static_cast<std::size_t>(mGame.mintPlayer.value() - 1));
}

bool frmMain::PersonLockedOut() const
{
    return ComputerTurn() && !mComputerActing;
}

void frmMain::ScheduleComputer()
{
    if (!ComputerTurn()) {
        mComputerStep.stop();
        mComputerHurried = false;
        mComputerMove.reset();
        return;
    }
    mComputerStep.start(mComputerHurried ? 0 : gintComputerDelay.value());
}

void frmMain::ComputerStep()
{
    Trap([&] {
        if (!ComputerTurn())
            return;
        // A window open over the board, or best play still being worked out: wait for it.
        const Strategy *strategy = Strategy::Ready();
        if (QApplication::activeModalWidget() || !strategy) {
            mComputerStep.start(kWaitStepMs);
            return;
        }
        const QScopedValueRollback acting(mComputerActing, true);
        if (mGame.mstrState == u"Throw 0" || mGame.mstrState == u"Continue") {
            const bool passing = mGame.mstrState == u"Continue";
            cmdThrow_Click();
            mComputerHurried = mComputerHurried && !passing; // hurried to the end of its turn
        } else {
            if (!mComputerMove) {
                const int level = mGame.players().level.at(std::size_t(mGame.mintPlayer.value() - 1));
                mComputerMove = mGame.ComputerMove(*strategy, level);
                mNarration = mGame.Narration(&*mComputerMove);
                ShowTurnText();
            }
            const Game::Hint move = *mComputerMove;
            bool held = false; // the dice to keep first, then the throw, each a step of its own
            for (int die = 1; !move.category && die <= 5; ++die)
                if (IsHeld(die) != move.keep[static_cast<std::size_t>(die - 1)]) {
                    fraDie_Click(die);
                    held = true;
                }
            if (!held)
                mComputerMove.reset();
            if (move.category)
                ScoreCategory(move.category->label);
            else if (!held)
                cmdThrow_Click();
        }
        ScheduleComputer();
    });
}

void frmMain::HurryComputer()
{
    mComputerHurried = true;
    if (mComputerStep.isActive())
        mComputerStep.start(0);
}

} // namespace quoxa
