#include "board/ComputerPlayer.h"
#include "platform/ErrorTrap.h"
#include "settings/basMain.h"

#include <QScopedValueRollback>

namespace quoxa {

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
    return mGame.turn().mstrState != u"Game Over" && (mGame.players().computer.at(static_cast<std::size_t>(mGame.turn().mintPlayer.value() - 1)) || StandIn() > 0);
}

QString ComputerPlayer::Told() const
{
    return mGame.turn().mstrState == u"Throw 0" ? mGame.Narration(nullptr) : mTold;
}

void ComputerPlayer::Schedule()
{
    if (mStopped || mBlocked || !Playing()) {
        mStep.stop();
        mHurried = false;
        mMove.reset();
        return;
    }
    if (mGame.turn().mstrState == u"Throw 0") // its turn begins: told until it decides
        mTold = mGame.Narration(nullptr);
    if (mGame.turn().mstrState == u"Continue") // a hurried turn ends with its score, in sight for the pause
        mHurried = false;
    mStep.start(mHurried ? 0 : gintComputerDelay.value());
}

void ComputerPlayer::Hurry()
{
    mHurried = true;
    if (mStep.isActive())
        mStep.start(0);
}

void ComputerPlayer::SetBlocked(bool blocked)
{
    if (std::exchange(mBlocked, blocked) == blocked)
        return;
    if (blocked) {
        mStep.stop(); // a pause that a window interrupts starts again when it closes
    } else {
        Schedule();
    }
}

void ComputerPlayer::Stop()
{
    mStopped = true;
    mStep.stop();
}

void ComputerPlayer::Step()
{
    Trap([&] {
        if (mStopped || mBlocked || !Playing() || (mControls.moves && !mControls.moves()))
            return; // another copy plays it, or the dice are still on their way: told when they land
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
        if (mGame.turn().mstrState == u"Throw 0" || mGame.turn().mstrState == u"Continue") {
            const bool passing = mGame.turn().mstrState == u"Continue";
            mControls.cmdThrow();
            mHurried = mHurried && !passing; // hurried again while it showed its score: that turn only
        } else {
            if (!mMove) {
                const int level = StandIn() > 0 ? StandIn() : mGame.players().level.at(std::size_t(mGame.turn().mintPlayer.value() - 1));
                mMove = mGame.ComputerMove(*strategy, level);
                mTold = mGame.Narration(&*mMove);
                mControls.told();
            }
            const Game::Hint move = *mMove;
            bool held = false; // the dice to keep first, then the throw, each a step of its own
            for (int die = 1; !move.category && die <= 5; ++die)
                if (mGame.Held(die) != move.keep[static_cast<std::size_t>(die - 1)]) {
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
