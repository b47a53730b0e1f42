#include "board/ComputerPlayer.h"
#include "platform/ErrorTrap.h"
#include "settings/basMain.h"

#include <QApplication>
#include <QScopedValueRollback>

namespace quoxa {
namespace {

// How often a computer's step looks again while a window is open over the board.
constexpr int kWindowWaitMs = 50;

} // namespace

ComputerPlayer::ComputerPlayer(QObject *owner, Game &game, Controls controls)
    : QObject(owner), mGame(game), mControls(std::move(controls))
{
    mStep.setObjectName(QStringLiteral("tmrComputer"));
    mStep.setParent(owner); // found by name on the board
    mStep.setSingleShot(true);
    connect(&mStep, &QTimer::timeout, this, &ComputerPlayer::Step);
}

bool ComputerPlayer::Playing() const
{
    return mGame.mstrState != u"Game Over" && mGame.players().computer.at(static_cast<std::size_t>(mGame.mintPlayer.value() - 1));
}

QString ComputerPlayer::Told() const
{
    return mGame.mstrState == u"Throw 0" ? mGame.Narration(nullptr) : mTold;
}

void ComputerPlayer::Schedule()
{
    if (mStopped || !Playing()) {
        mStep.stop();
        mHurried = false;
        mMove.reset();
        return;
    }
    if (mGame.mstrState == u"Throw 0") // its turn begins: told until it decides
        mTold = mGame.Narration(nullptr);
    if (mGame.mstrState == u"Continue") // a hurried turn ends with its score, in sight for the pause
        mHurried = false;
    mStep.start(mHurried ? 0 : gintComputerDelay.value());
}

void ComputerPlayer::Hurry()
{
    mHurried = true;
    if (mStep.isActive())
        mStep.start(0);
}

void ComputerPlayer::Stop()
{
    mStopped = true;
    mStep.stop();
}

void ComputerPlayer::Step()
{
    Trap([&] {
        if (mStopped || !Playing())
            return;
        if (QApplication::activeModalWidget()) { // a window open over the board: it waits
            mStep.start(kWindowWaitMs);
            return;
        }
        const Strategy *strategy = Strategy::Ready();
        if (!strategy) { // told when best play is worked out
            if (!std::exchange(mAwaited, true))
                Strategy::WhenReady(this, [this](const Strategy &) {
                    mAwaited = false;
                    Schedule();
                });
            return;
        }
        const QScopedValueRollback acting(mActing, true);
        if (mGame.mstrState == u"Throw 0" || mGame.mstrState == u"Continue") {
            const bool passing = mGame.mstrState == u"Continue";
            mControls.cmdThrow();
            mHurried = mHurried && !passing; // hurried again while it showed its score: that turn only
        } else {
            if (!mMove) {
                const int level = mGame.players().level.at(std::size_t(mGame.mintPlayer.value() - 1));
                mMove = mGame.ComputerMove(*strategy, level);
                mTold = mGame.Narration(&*mMove);
                mControls.told();
            }
            const Game::Hint move = *mMove;
            bool held = false; // the dice to keep first, then the throw, each a step of its own
            for (int die = 1; !move.category && die <= 5; ++die)
                if (mControls.held(die) != move.keep[static_cast<std::size_t>(die - 1)]) {
                    mControls.fraDie(die);
                    held = true;
                }
            if (!held)
                mMove.reset();
            if (move.category)
                mControls.score(move.category->label);
            else if (!held)
                mControls.cmdThrow();
        }
        Schedule();
    });
}

} // namespace quoxa
