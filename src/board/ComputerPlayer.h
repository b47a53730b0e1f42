#pragma once
// The computer's moves: when the computer plays for the player whose turn it is, it plays the
// turn through the same commands a person's clicks and keys give, one step at a time with
// the chosen pause between: throw; hold the dice it keeps and throw again, or score; and pass
// the turn on. Each decision is made once, after a throw, at the player's level, and told.
// It waits while a window is open over the board (the board tells it), and for best play to
// be worked out; it is
// owned by the board, and makes no move once the board has closed.
#include "engine/Game.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace quoxa {

class ComputerPlayer : public QObject {
public:
    // The board's own commands, which the computer plays with, and what it tells.
    struct Controls {
        std::function<void()> cmdThrow;
        std::function<void(int die)> fraDie;
        std::function<void(QStringView label)> score;
        std::function<void()> told; // what it does has changed: the status bar says it
        std::function<bool()> moves; // its moves are made on this board now (a game online: by the host, its throw's dice in)
        std::function<int()> standIn; // online: the level it plays the seat in turn at for an absent player, else 0
    };
    ComputerPlayer(QObject *owner, Game &game, Controls controls);

    // The turn is the computer's (until the game is over): its player's, or an absent one's.
    bool Playing() const;
    // The computer is pressing the controls itself, this moment.
    bool Acting() const { return mActing; }
    // What it does, in the name of its player: "Bea throws the dice." as its turn begins,
    // then each decision ("Bea keeps 5 5 5 and throws again.").
    QString Told() const;
    // After every change of the turn: its next step after the pause when the turn is its
    // own (none while hurried), or nothing.
    void Schedule();
    // A person's Space or Return during its turn: the rest of the turn without pauses, up to
    // its score, which stays in sight for the pause before the turn passes on.
    void Hurry();
    // A window over the board has opened, or closed: nothing moves while one is open, and
    // the step it interrupted comes after a whole pause once it has closed.
    void SetBlocked(bool blocked);
    // The board has closed: no more moves.
    void Stop();

private:
    void Step();
    int StandIn() const { return mControls.standIn ? mControls.standIn() : 0; }

    Game &mGame;
    Controls mControls;
    QTimer mStep;
    bool mActing = false;
    bool mHurried = false;
    bool mStopped = false;
    bool mBlocked = false;                // a modal window is open over the board
    bool mAwaited = false;                // best play is being worked out, and it waits to be told
    std::optional<Game::Hint> mMove;      // decided after a throw, until it is made
    QString mTold;
};

} // namespace quoxa
