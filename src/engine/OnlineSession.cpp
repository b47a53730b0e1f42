#include "engine/OnlineSession.h"

#include <QCoreApplication>
#include <algorithm>

namespace quoxa {

using Kind = OnlineCommand::Kind;

OnlineSession::OnlineSession(Game &game, const QString &me, const QString &host, const QString &gameId, QObject *parent)
    : QObject(parent), mGame(game), mMe(me), mHost(host), mGameId(gameId)
{
}

void OnlineSession::Transmit(OnlineCommand command)
{
    command.game = mGameId;
    command.n = ++mSent;
    emit Send(command.Payload());
}

void OnlineSession::Join(const QString &name)
{
    OnlineCommand join{.kind = Kind::Join};
    join.name = name.trimmed().left(OnlineCommand::kMaxName);
    Transmit(join);
}

void OnlineSession::Seat(const std::vector<OnlineCommand::Seat> &seats)
{
    if (mMe != mHost || mPhase != Phase::Seating || seats.empty() || seats.size() > mAway.size())
        return;
    OnlineCommand command{.kind = Kind::Seats, .seats = seats};
    command.chain = OnlineCommand::kThrowsPerSeat * int(seats.size());
    Transmit(command);
    TakeSeats(seats);
}

void OnlineSession::Leave()
{
    Transmit({.kind = Kind::Leave});
    if (Copy *copy = CopyOf(mMe))
        copy->left = true;
    mChain.reset();
}

Refusal OnlineSession::Play(OnlineCommand move)
{
    if (!OwnTurn() || mCatchingUp || (move.kind == Kind::Score && !move.box))
        return Refusal::NotNow;
    move.held = move.held ? 1 : 0;
    const Refusal refused = Apply(move);
    if (refused == Refusal::None) {
        Transmit(move);
        Owe();
    }
    return refused;
}

void OnlineSession::Receive(const QString &from, const QByteArray &payload)
{
    // This copy's own, as the room echoes it; but coming back, its own from before are played too.
    if ((from == mMe && !mCatchingUp) || mPhase == Phase::Stopped)
        return;
    const OnlineReading reading = OnlineCommand::Read(payload);
    if (!reading.command)
        return emit Logged(QStringLiteral("%1 sent %2").arg(from, reading.fault));
    const OnlineCommand &command = *reading.command;
    if (command.game != mGameId)
        return emit Logged(QStringLiteral("%1 sent a command of another game, %2").arg(from, command.game));
    // The first command seen from a copy sets its count, since a copy that came in later has
    // not seen those before; from then on each is exactly one more.
    const auto last = mLastN.find(from);
    if (last != mLastN.end() && command.n != last->second + 1)
        return emit Logged(QStringLiteral("%1 sent command %2 after %3: a replay or a gap").arg(from).arg(command.n).arg(last->second));
    mLastN[from] = command.n;
    if (from == mMe)
        mSent = command.n;
    Dispatch(from, command);
}

void OnlineSession::Dispatch(const QString &from, const OnlineCommand &command)
{
    const bool byHost = from == mHost;
    Copy *copy = CopyOf(from);
    switch (command.kind) {
    case Kind::Join:
        if (mMe == mHost && mPhase == Phase::Seating)
            emit JoinAsked(from, command.name);
        return;
    case Kind::Seats:
        if (byHost && mPhase == Phase::Seating)
            return TakeSeats(command.seats);
        break;
    case Kind::Away:
    case Kind::Back: // the host's word, or a copy that is back taking its own seat again
        if (command.seat <= int(mSeats.size()) && (byHost || (command.kind == Kind::Back && mSeats[std::size_t(command.seat - 1)].jid == from)))
            return SetAway(command.seat, command.level);
        break;
    case Kind::Commit:
        if (copy && !copy->left && mPhase == Phase::Committing && copy->last.isEmpty())
            return TakeCommit(*copy, command.link);
        break;
    case Kind::Reveal:
        if (copy && GivesShares(*copy) && mThrowing && command.k == mThrows + 1 && copy->shown.isEmpty())
            return TakeReveal(*copy, command);
        break;
    case Kind::Digest:
        if (copy && command.turn <= mTurnsEnded) {
            mDigestSent = from == mMe ? command.turn : mDigestSent;
            return TakeDigest(*copy, command);
        }
        break;
    case Kind::Leave:
        if (copy && !copy->left) {
            copy->left = true;
            if (byHost && (mPhase == Phase::Playing || mPhase == Phase::Committing)) // its copy plays the computers
                return Stop(QCoreApplication::translate("OnlineSession", "%1, who hosts the game, has left it: the game is over.").arg(copy->name));
            if (!mCatchingUp)
                emit SeatsChanged(QCoreApplication::translate("OnlineSession", "%1 has left the game.").arg(copy->name));
            StartWhenCommitted();
            return ThrowWhenRevealed();
        }
        break;
    default: // the moves: only the copy of the seat in turn makes one, and the game must allow it
        if (!copy)
            break;
        if (from != Mover() || Apply(command) != Refusal::None)
            return OutOfStep(command, from);
        if (!mCatchingUp && command.kind != Kind::Throw) // a throw is told when its dice land
            emit Played(command, false);
        return Owe();
    }
    emit Logged(QStringLiteral("%1 sent %2 that is not its to send now").arg(from, QString::fromUtf8(command.Payload())));
}

void OnlineSession::TakeSeats(const std::vector<OnlineCommand::Seat> &seats)
{
    mSeats = seats;
    for (const OnlineCommand::Seat &seat : seats)
        if (!CopyOf(seat.jid))
            mCopies.push_back({seat.jid, seat.name, {}, {}, false});
    mPhase = Phase::Committing;
    const int length = OnlineCommand::kThrowsPerSeat * int(seats.size());
    if (CopyOf(mMe))
        mChain = mKeptChain.size() == FairDice::kLinkBytes ? FairDice(mKeptChain, length) : FairDice::Drawn(length);
    Owe();
}

void OnlineSession::TakeCommit(Copy &copy, const QByteArray &link)
{
    copy.last = link;
    StartWhenCommitted();
}

void OnlineSession::StartWhenCommitted()
{
    if (mPhase != Phase::Committing || std::any_of(mCopies.begin(), mCopies.end(), [](const Copy &c) { return !c.left && c.last.isEmpty(); }))
        return;
    Players players;
    players.count = Int16(qsizetype(mSeats.size()));
    GameRecord::SharedDice shared;
    for (std::size_t s = 0; s < mSeats.size(); ++s) {
        players.names.at(s) = mSeats[s].name;
        players.computer.at(s) = mSeats[s].level > 0;
        players.level.at(s) = mSeats[s].level > 0 ? mSeats[s].level : players.level.at(s);
        shared.addresses.push_back(mSeats[s].jid);
    }
    shared.room = mRoom;
    shared.game = mGameId;
    shared.host = mHost;
    shared.me = mMe;
    shared.chain = mChain ? mChain->First() : QByteArray();
    for (const Copy &c : mCopies)
        shared.commits.push_back(c.last);
    mPhase = Phase::Playing;
    mGame.StartNewGame(players, shared);
    if (!mCatchingUp)
        emit Started();
}

void OnlineSession::TakeReveal(Copy &copy, const OnlineCommand &reveal)
{
    if (!FairDice::Precedes(reveal.link, copy.last, reveal.k - copy.lastK))
        return Stop(QCoreApplication::translate("OnlineSession", "%1's dice share does not match what %1's copy promised: the game cannot go on.")
                        .arg(copy.name));
    copy.shown = reveal.link;
    ThrowWhenRevealed();
}

void OnlineSession::TakeDigest(const Copy &copy, const OnlineCommand &digest)
{
    if (mDigests.at(digest.turn) != digest.link)
        Stop(QCoreApplication::translate("OnlineSession", "The game on %1's copy differs from this one after turn %2: the copies are out of step, and the game cannot go on.")
                 .arg(copy.name)
                 .arg(digest.turn));
}

Refusal OnlineSession::Apply(const OnlineCommand &move)
{
    const TurnVariables &turn = mGame.turn();
    if (mPhase != Phase::Playing || mThrowing)
        return Refusal::NotNow;
    Refusal refused = Refusal::NotNow;
    switch (move.kind) {
    case Kind::Throw:
        if (turn.mintRolls <= 0)
            return Refusal::NotNow;
        mThrowing = true; // its dice come once every copy has revealed its share
        return Refusal::None;
    case Kind::Hold:
        return mGame.Hold(move.die, move.held == 1);
    case Kind::Score:
        if ((refused = mGame.RecordScore(move.box->label)) == Refusal::None && mGame.turn().mstrState == u"Game Over")
            EndTurn();
        return refused;
    case Kind::Undo:
        return turn.mblnCanUndo ? mGame.UndoLastScore() : Refusal::NothingToUndo;
    case Kind::Continue:
        if (turn.mstrState == u"Continue" && (refused = mGame.cmdThrow_Click()) == Refusal::None)
            EndTurn();
        return refused;
    default:
        return Refusal::NotNow;
    }
}

void OnlineSession::Owe()
{
    Copy *own = CopyOf(mMe);
    if (mCatchingUp || !own || own->left || !mChain || mPhase == Phase::Stopped)
        return;
    if (mPhase == Phase::Committing && own->last.isEmpty()) {
        Transmit({.kind = Kind::Commit, .link = mChain->Commit()});
        return TakeCommit(*own, mChain->Commit());
    }
    if (mTurnsEnded > mDigestSent) {
        mDigestSent = mTurnsEnded;
        Transmit({.kind = Kind::Digest, .link = mDigests[mTurnsEnded], .turn = mTurnsEnded});
    }
    if (mThrowing && GivesShares(*own) && own->shown.isEmpty()) {
        own->shown = mChain->Reveal(mThrows + 1);
        Transmit({.kind = Kind::Reveal, .link = own->shown, .k = mThrows + 1});
        ThrowWhenRevealed();
    }
}

void OnlineSession::ThrowWhenRevealed()
{
    if (!mThrowing || std::any_of(mCopies.begin(), mCopies.end(), [this](const Copy &c) { return GivesShares(c) && c.shown.isEmpty(); }))
        return;
    std::vector<QByteArray> links;
    for (Copy &copy : mCopies) {
        links.push_back(GivesShares(copy) ? copy.shown : QByteArray());
        if (!links.back().isEmpty())
            copy.last = links.back(), copy.lastK = mThrows + 1;
        copy.shown.clear();
    }
    mThrowing = false;
    mThrows += 1;
    if (mGame.ThrowShared(links) != Refusal::None)
        return OutOfStep({.kind = Kind::Throw}, Mover());
    if (!mCatchingUp)
        emit Played({.kind = Kind::Throw}, Mover() == mMe);
}

void OnlineSession::EndTurn()
{
    mTurnsEnded += 1;
    mDigests[mTurnsEnded] = Digest(mGame.Sheets());
    if (mGame.turn().mstrState == u"Game Over")
        mPhase = Phase::Over;
}

void OnlineSession::Stop(const QString &message)
{
    mPhase = Phase::Stopped;
    mThrowing = false;
    emit Stopped(message);
}

void OnlineSession::OutOfStep(const OnlineCommand &move, const QString &from)
{
    Stop(QCoreApplication::translate("OnlineSession", "%1's copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.")
             .arg(NameOf(from), MoveWords(move)));
}

OnlineSession::Copy *OnlineSession::CopyOf(const QString &jid)
{
    const auto copy = std::find_if(mCopies.begin(), mCopies.end(), [&](const Copy &c) { return c.jid == jid; });
    return copy == mCopies.end() ? nullptr : &*copy;
}

QString OnlineSession::Mover() const
{
    const auto seat = std::size_t(mGame.turn().mintPlayer.value() - 1);
    return seat >= mSeats.size() ? QString() : mAway.at(seat) > 0 ? mHost : mSeats[seat].jid;
}

QString OnlineSession::NameOf(const QString &jid)
{
    const Copy *copy = CopyOf(jid);
    return copy ? copy->name : jid;
}

QString OnlineSession::MoveWords(const OnlineCommand &move)
{
    switch (move.kind) {
    case Kind::Throw:
        return QCoreApplication::translate("OnlineSession", "a throw");
    case Kind::Hold:
        return move.held ? QCoreApplication::translate("OnlineSession", "holding die %1").arg(move.die)
                         : QCoreApplication::translate("OnlineSession", "letting die %1 go").arg(move.die);
    case Kind::Score:
        return QCoreApplication::translate("OnlineSession", "scoring %1").arg(Caption(*move.box));
    case Kind::Undo:
        return QCoreApplication::translate("OnlineSession", "taking the last score back");
    default:
        return QCoreApplication::translate("OnlineSession", "passing the turn on");
    }
}

} // namespace quoxa
