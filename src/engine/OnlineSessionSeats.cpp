// Who is at the game online: a copy that goes away and comes back, a computer the host has
// play for an absent player until the seat is taken again, a copy that leaves for good, and a
// copy cut short that plays the room's history through to come back.
#include "engine/MoveText.h"
#include "engine/OnlineSession.h"

#include <QCoreApplication>
#include <algorithm>

namespace quoxa {

using Kind = OnlineCommand::Kind;

void OnlineSession::Away(int seat, int level)
{
    if (mMe != mHost || seat < 1 || seat > int(mSeats.size()) || LevelName(level).isEmpty())
        return;
    Transmit({.kind = Kind::Away, .seat = seat, .level = level});
    SetAway(seat, level);
}

void OnlineSession::Back(int seat)
{
    if (mMe != mHost || seat < 1 || seat > int(mSeats.size()))
        return;
    Transmit({.kind = Kind::Back, .seat = seat});
    SetAway(seat, 0);
}

void OnlineSession::SetAway(int seat, int level)
{
    if (std::exchange(mAway.at(std::size_t(seat - 1)), level) == level)
        return;
    const QString &name = mSeats.at(std::size_t(seat - 1)).name;
    if (!mCatchingUp)
        emit SeatsChanged(level > 0 ? QCoreApplication::translate("OnlineSession", "A computer plays for %1 (%2).").arg(name, MoveText::Level(level))
                                    : QCoreApplication::translate("OnlineSession", "%1 plays again.").arg(name));
    // The throw under way may no longer wait for that copy's share, or wait for it again:
    // a share shown before its copy stopped giving them is shown again when it plays again.
    for (Copy &copy : mCopies)
        if (!GivesShares(copy))
            copy.shown.clear();
    ThrowWhenRevealed();
    Owe();
}

void OnlineSession::Resume(const QByteArray &chainFirst)
{
    mCatchingUp = true;
    mKeptChain = chainFirst;
}

void OnlineSession::CaughtUp()
{
    if (!std::exchange(mCatchingUp, false) || mPhase == Phase::Stopped)
        return;
    Copy *own = CopyOf(mMe);
    if (own && !own->left && !own->last.isEmpty() && own->last != (own->lastK == 0 ? mChain->Commit() : mChain->Reveal(own->lastK)))
        return Stop(QCoreApplication::translate("OnlineSession", "This copy no longer has its dice shares for the game, so it cannot go back to it."));
    for (std::size_t seat = 0; seat < mSeats.size(); ++seat) // a computer played for this copy meanwhile
        if (own && !own->left && mSeats[seat].jid == mMe && mAway.at(seat) > 0) {
            Transmit({.kind = Kind::Back, .seat = int(seat) + 1});
            SetAway(int(seat) + 1, 0);
        }
    Owe();
    if (mPhase == Phase::Playing || mPhase == Phase::Over)
        emit Started();
}

bool OnlineSession::Present(int seat) const
{
    const auto copy = std::find_if(mCopies.begin(), mCopies.end(), [&](const Copy &c) { return c.jid == mSeats.at(std::size_t(seat - 1)).jid; });
    return copy != mCopies.end() && copy->present && !copy->left;
}

bool OnlineSession::Left(int seat) const
{
    const auto copy = std::find_if(mCopies.begin(), mCopies.end(), [&](const Copy &c) { return c.jid == mSeats.at(std::size_t(seat - 1)).jid; });
    return copy != mCopies.end() && copy->left;
}

QString OnlineSession::Absence(int seat) const
{
    const QString &name = mSeats.at(std::size_t(seat - 1)).name;
    if (Present(seat) || AwayLevel(seat) > 0)
        return {};
    return Left(seat) ? QCoreApplication::translate("OnlineSession", "%1 has left the game.").arg(name)
                      : QCoreApplication::translate("OnlineSession", "%1 is away: the game waits for %1.").arg(name);
}

void OnlineSession::SetPresent(const QString &jid, bool present)
{
    Copy *copy = CopyOf(jid);
    if (!copy || jid == mMe || std::exchange(copy->present, present) == present || copy->left || mPhase == Phase::Stopped)
        return;
    const auto seat = std::find_if(mSeats.begin(), mSeats.end(), [&](const OnlineCommand::Seat &s) { return s.jid == jid; });
    emit SeatsChanged(present ? QCoreApplication::translate("OnlineSession", "%1 is back.").arg(copy->name) : Absence(int(seat - mSeats.begin()) + 1));
}

bool OnlineSession::GivesShares(const Copy &copy) const
{
    if (copy.left)
        return false;
    for (std::size_t seat = 0; seat < mSeats.size(); ++seat)
        if (mSeats[seat].jid == copy.jid && mAway.at(seat) == 0)
            return true;
    return false;
}

} // namespace quoxa
