#pragma once
// One copy's part in a game played online, without the network: it is handed every payload
// that reaches the room with its sender's bare address, and hands on what this copy sends.
// It keeps the seats and which copy plays each, every copy's sequence numbers, its chain of
// dice shares and the shares revealed, and plays every move on the Game through its commands,
// so that every copy checks every move with the same rules. A move those rules refuse, a
// share that fails its check or a game that differs after a turn stops it for good; any
// other message it cannot use is passed over and logged.
#include "engine/FairDice.h"
#include "engine/Game.h"
#include "engine/OnlineProtocol.h"

#include <QObject>
#include <map>

namespace quoxa {

class OnlineSession : public QObject {
    Q_OBJECT

public:
    enum class Phase {
        Seating,    // the host gathers the players
        Committing, // the seats are given: every copy that plays one commits to its shares
        Playing,
        Over,       // the game is over; the last digests may still come
        Stopped,    // a share, a move or a digest failed: nothing more is played
    };

    // The copy of `me` in the game `gameId` that `host` opened, played on `game`; every
    // address a bare one.
    OnlineSession(Game &game, const QString &me, const QString &host, const QString &gameId, QObject *parent = nullptr);

    Phase phase() const { return mPhase; }
    const std::vector<OnlineCommand::Seat> &seats() const { return mSeats; }
    // The level a computer plays a seat (1 to 4) at for a copy that is away; 0 when it plays itself.
    int AwayLevel(int seat) const { return mAway.at(std::size_t(seat - 1)); }
    // The copy of a seat is in the room, and has not left the game.
    bool Present(int seat) const;
    bool Left(int seat) const;
    // Why a seat's turns wait, when they do: "Bea is away: the game waits for Bea.", or that
    // Bea has left the game; empty when its copy is here or a computer plays for it.
    QString Absence(int seat) const;
    // The room says a copy came in, or went (closed, cut short or its network gone).
    void SetPresent(const QString &jid, bool present);
    // The game's room, which the record keeps with the seats' addresses.
    void SetRoom(const QString &room) { mRoom = room; }
    // The turn is this copy's to play, and no throw waits for its shares.
    bool Moves() const { return OwnTurn() && !mThrowing && !mCatchingUp; }
    // The game is played, and the seat in turn is this copy's.
    bool OwnTurn() const { return mPhase == Phase::Playing && Mover() == mMe; }

    // Asks the host for a seat under this name.
    void Join(const QString &name);
    // The host only: the seats in their order of play, sent to every copy.
    void Seat(const std::vector<OnlineCommand::Seat> &seats);
    // The host only: a computer plays a seat at a level until its copy is back, or no more.
    void Away(int seat, int level);
    void Back(int seat);
    // This copy leaves the game for good.
    void Leave();
    // This copy was cut short and comes back: the room's history, its own messages in it
    // too, is played through before it sends anything, and its chain of shares grows from
    // the first link it kept. CaughtUp once the history is over: what it owes goes out, and
    // Started follows when the game is under way.
    void Resume(const QByteArray &chainFirst);
    void CaughtUp();
    // A move of a seat this copy plays (hold, throw, score, undo, continue), played and sent;
    // NotNow when it is not this copy's turn or a throw's dice are not in yet, else as the
    // game answers it.
    Refusal Play(OnlineCommand move);

    // A payload that reached the room, from this bare address.
    void Receive(const QString &from, const QByteArray &payload);

signals:
    // A payload for the room.
    void Send(const QByteArray &payload);
    // A copy asks the host for a seat.
    void JoinAsked(const QString &jid, const QString &name);
    // Every commit is in: the game has begun on the Game.
    void Started();
    // A move from another copy played on the Game (here false), or a throw whose dice have
    // landed (here true when this copy made it): for a screen reader. None while catching up.
    void Played(const quoxa::OnlineCommand &move, bool here);
    // A copy went or came back, a computer plays a seat for an absent player or gives it
    // back, a copy left for good: the news, in words.
    void SeatsChanged(const QString &news);
    // The game cannot go on, and why, for the players.
    void Stopped(const QString &message);
    // A message passed over, and why, for the log.
    void Logged(const QString &line);

private:
    struct Copy {
        QString jid;
        QString name;     // its first seat's
        QByteArray last;  // its commit, then the link it revealed last
        QByteArray shown; // its link for the throw under way
        bool left = false;
        int lastK = 0;    // the throw whose link `last` is; 0 for its commit
        bool present = true;
    };

    void Transmit(OnlineCommand command);
    void Dispatch(const QString &from, const OnlineCommand &command);
    void TakeSeats(const std::vector<OnlineCommand::Seat> &seats);
    void TakeCommit(Copy &copy, const QByteArray &link);
    void StartWhenCommitted();
    void TakeReveal(Copy &copy, const OnlineCommand &reveal);
    void TakeDigest(const Copy &copy, const OnlineCommand &digest);
    // Plays a move on the game; why it is refused, if it is.
    Refusal Apply(const OnlineCommand &move);
    // What this copy owes the room once something is played and carried: its commit, its
    // digest when a turn ended, its share when a throw waits for it. Nothing while catching up.
    void Owe();
    // The copy's share is awaited at a throw: it has not left, and plays a seat itself.
    bool GivesShares(const Copy &copy) const;
    void SetAway(int seat, int level);
    void ThrowWhenRevealed();
    void EndTurn();
    void Stop(const QString &message);
    void OutOfStep(const OnlineCommand &move, const QString &from);
    Copy *CopyOf(const QString &jid);
    // The copy that plays the seat whose turn it is.
    QString Mover() const;
    QString NameOf(const QString &jid);
    static QString MoveWords(const OnlineCommand &move);

    Game &mGame;
    QString mMe, mHost, mGameId, mRoom;
    Phase mPhase = Phase::Seating;
    std::vector<OnlineCommand::Seat> mSeats;
    std::array<int, 4> mAway{};
    std::vector<Copy> mCopies;       // in the order of their first seats
    std::map<QString, int> mLastN;   // every sender's last sequence number
    int mSent = 0;
    std::optional<FairDice> mChain; // this copy's shares, when it plays a seat
    int mThrows = 0;                 // the throws of the game made
    bool mThrowing = false;          // a throw waits for its shares
    int mTurnsEnded = 0;
    std::map<int, QByteArray> mDigests; // this copy's digest after each turn
    int mDigestSent = 0;                // the last turn this copy sent its digest after
    bool mCatchingUp = false;
    QByteArray mKeptChain;              // the first link of this copy's chain, kept from before
};

} // namespace quoxa
