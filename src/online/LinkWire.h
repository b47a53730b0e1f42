#pragma once
// What passes between the game and its connection module: the requests the game makes, the
// events the connection reports, and the one entry point of the module. The module runs the
// XMPP library in a thread of its own; the game never waits for it.
#include <QString>

namespace quoxa::online {

// Why the connection or a room failed; the game words it for the player.
enum class LinkProblem {
    None,
    LoginRefused,   // the server turned the account or its password down
    Unreachable,    // no server answered at that address
    Untrusted,      // the server's certificate is not one the system trusts
    RoomGone,       // the room does not exist (any more), or was destroyed
    NickTaken,      // another occupant has that nickname
    RoomRefused,    // the room would not let us in (members only, banned ...)
    Dropped,        // the connection ended without our asking
    ModuleMissing,  // the connection module cannot be loaded
};

// A payload larger than this, as XML text in UTF-8, is dropped on arrival.
constexpr qsizetype kMaxPayloadBytes = 16 * 1024;
// The namespace of the game's commands.
inline constexpr char kPayloadNamespace[] = "urn:quoxa:online:1";

// The address a friend opens to join a room: xmpp:room@conference.example.org?join
inline QString RoomUri(const QString &room)
{
    return QStringLiteral("xmpp:") + room + QStringLiteral("?join");
}

struct LinkRequest {
    enum class Kind { Connect, CreateRoom, JoinRoom, Send, Invite, LeaveRoom, Disconnect };
    Kind kind = Kind::Disconnect;
    QString jid{};       // Connect: the account; Invite: whom to invite
    QString password{};  // Connect
    QString host{};      // Connect: a server to use instead of the one the account's domain names
    quint16 port = 0;  // Connect: with host; 0 is the usual port
    QString trustedAuthority{}; // Connect: a certificate authority trusted besides the system's
    QString room{};      // the room's bare address
    QString nick{};      // CreateRoom, JoinRoom
    QString text{};      // Send: the line plain chat clients show; Invite: the reason
    QString payload{};   // Send: one element in the game's namespace, as XML text
};

struct LinkEvent {
    enum class Kind { Connected, Joined, Live, Message, Arrived, Left, Invited, Failed, Disconnected };
    Kind kind = Kind::Disconnected;
    QString room{};      // the room's bare address (Invited: the room offered)
    QString nick{};      // the occupant's nickname in the room
    QString jid{};       // the occupant's (Invited: the inviter's) bare real address; Connected: ours
    QString text{};      // Message: the payload element; Invited: the reason
    bool fromHistory = false; // Message: replayed from the room's history on joining
    LinkProblem problem = LinkProblem::None; // Failed
};

// Where the module reports; called in the module's thread, so it only hands the event on.
class LinkEvents {
public:
    virtual void Deliver(const LinkEvent &event) = 0;

protected:
    ~LinkEvents() = default;
};

// One connection. Post queues a request to the module's thread and returns at once; deleting
// the worker stops reporting at once and ends the connection and its thread within a moment.
class LinkWorker {
public:
    virtual ~LinkWorker() = default;
    virtual void Post(const LinkRequest &request) = 0;
};

} // namespace quoxa::online

extern "C" quoxa::online::LinkWorker *QuoxaOpenLink(quoxa::online::LinkEvents *events);

// The desktop's keyring, in the module too: the password kept for an account (a false return
// and the problem when the keyring cannot be reached), looked up (an empty one when none is
// kept), or forgotten. Each may wait on the desktop's secret service: never in the window's thread.
extern "C" bool QuoxaKeepPassword(const QString &account, const QString &password, QString *problem);
extern "C" bool QuoxaFindPassword(const QString &account, QString *password);
extern "C" bool QuoxaForgetPassword(const QString &account);
