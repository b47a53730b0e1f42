#pragma once
// Game, Play Online: the player's account, then a game room hosted or joined. The host
// invites friends, gathers the seats (each friend who joined, and computer players its own
// copy plays) and starts the game, which is then played on every copy's board.
#include "engine/OnlineSession.h"
#include "online/XmppLink.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace quoxa {
class frmMain;
}

namespace quoxa::online {

class frmOnline : public QWidget {
    Q_OBJECT

public:
    explicit frmOnline(frmMain &board);

    // Tests only: the server at this host and port, its certificate trusted through this
    // authority. The game never calls it.
    void UseServerForTests(const QString &host, quint16 port, const QString &caFile);

    // Connects, if need be, and opens a new game room on the account's server.
    void cmdHost_Click();
    // Connects, if need be, and joins the room of the invitation.
    void cmdJoin_Click();
    // Sends the invitation to the friend's address.
    void cmdInvite_Click();
    // The host: a computer player at the level chosen takes the next seat.
    void cmdAddComputer_Click();
    // The host: the seats are given, and the game begins once every copy is ready.
    void cmdStart_Click();
    // The host, in a game under way: a computer at the level chosen plays the seat chosen,
    // whose player is away or has left, until that player's copy is back.
    void cmdStandIn_Click();
    // Quoxa was cut short in this game online: back to it, at once when the keyring keeps the
    // account's password, else once the player presses Join.
    void Return(const GameRecord::SharedDice &kept);

    // The room of an invitation, "xmpp:game@conference.example.org?join" or the bare address;
    // empty when it names none.
    static QString RoomOf(const QString &invitation);

private:
    void Connected(const QString &jid);
    void Joined(const QString &room);
    void Arrived(const QString &room, const QString &jid, const QString &payload);
    void Invited(const QString &from, const QString &room);
    void Failed(const QString &room, const QString &text);
    // A session for the game `gameId` that `host` opened, wired to the room.
    void OpenSession(const QString &host, const QString &gameId);
    void AddSeat(const OnlineCommand::Seat &seat);
    // The seats as the session has them, with whether each player is here.
    void ShowSeats();
    void Status(const QString &text);
    // Goes online and then into the room: made when hosting, joined otherwise.
    void GoToRoom(const QString &room, bool hosting);
    void ShowControls();
    QString PlayerName() const;

    frmMain &mBoard;
    XmppLink *mLink = nullptr;
    QString mHost;           // tests: the server to use
    quint16 mPort = 0;
    QString mJid;            // the account, once connected
    QString mRoom;           // the game's room
    bool mHosting = false;
    bool mInRoom = false;
    std::optional<GameRecord::SharedDice> mReturn; // the game to go back to, once in its room
    bool mReturning = false;                       // in its room, its history being played through
    QPointer<OnlineSession> mSession;
    std::vector<OnlineCommand::Seat> mSeats; // the host's, as they fill
    QLineEdit *txtAccount = nullptr;
    QLineEdit *txtPassword = nullptr;
    QCheckBox *chkRemember = nullptr;
    QPushButton *cmdHost = nullptr;
    QPushButton *cmdJoin = nullptr;
    QLineEdit *txtInvitation = nullptr;
    QLineEdit *txtFriend = nullptr;
    QPushButton *cmdInvite = nullptr;
    QTreeWidget *lvwSeats = nullptr;
    QComboBox *cboLevel = nullptr;
    QPushButton *cmdAddComputer = nullptr;
    QPushButton *cmdStart = nullptr;
    QPushButton *cmdStandIn = nullptr;
    QLabel *lblOnlineStatus = nullptr;
};

} // namespace quoxa::online
