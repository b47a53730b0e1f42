#pragma once
// The game's connection to an XMPP server for online play: one account, the game's rooms on
// the server's multi-user chat, and direct invitations. It lives in the window's thread and
// never blocks it: each call is handed to the connection module's own thread and returns at
// once, and each event comes back as a signal, queued to this object's thread. The module,
// with the XMPP library and TLS, is loaded when the first link is made, never at start-up.
#include "online/LinkWire.h"

#include <QObject>
#include <functional>
#include <memory>

namespace quoxa::online {

class XmppLink : public QObject, private LinkEvents {
    Q_OBJECT

public:
    explicit XmppLink(QObject *parent = nullptr);
    ~XmppLink() override; // ends the connection without waiting for the server

    // Logs in as `jid` over TLS, which is required, with the server's certificate checked
    // against the system's. `host` and `port` name the server when the account's domain
    // does not lead to it.
    void Connect(const QString &jid, const QString &password, const QString &host = {}, quint16 port = 0);
    // Makes a new room and configures it: everyone sees the occupants' real addresses, any
    // occupant may invite, and the room and its history stay when it empties. A room that
    // exists already is joined as it is.
    void CreateRoom(const QString &room, const QString &nick);
    void JoinRoom(const QString &room, const QString &nick);
    // One groupchat message: `line` for plain chat clients, and `payload`, one element in
    // the game's namespace given as XML text (an element without a namespace is put in it).
    void Send(const QString &room, const QString &line, const QString &payload);
    // A direct invitation to `address`; plain chat clients show the reason and RoomUri(room).
    void Invite(const QString &address, const QString &room, const QString &reason);
    void LeaveRoom(const QString &room);
    void Disconnect();

    // Tests only: trusts the certificate authority in `caFile` besides the system's, from
    // the next Connect on. The game never calls it.
    void TrustAuthorityForTests(const QString &caFile) { mTrustedAuthority = caFile; }

    // The player's words for a problem.
    static QString ProblemText(LinkProblem problem);

    // The desktop's keyring, asked in a thread of its own; the answer comes to `done` in the
    // window's thread while `context` lives: why the password could not be kept (empty once
    // it is), the password kept for the account (empty when none is).
    static void KeepPassword(QObject *context, const QString &account, const QString &password,
                             std::function<void(const QString &problem)> done);
    static void FindPassword(QObject *context, const QString &account, std::function<void(const QString &password)> done);
    static void ForgetPassword(const QString &account);

signals:
    void Connected(const QString &jid);
    // Inside the room; the occupants already there have arrived just before, and the room's
    // history follows.
    void Joined(const QString &room);
    // The room's history is over: what follows is live.
    void Live(const QString &room);
    // A payload from an occupant (ours too, as the room echoes it); `jid` is the sender's bare
    // real address, empty when the room did not tell it (a history line from someone gone).
    void MessageArrived(const QString &room, const QString &nick, const QString &jid, const QString &payload,
                        bool fromHistory);
    void OccupantArrived(const QString &room, const QString &nick, const QString &jid);
    void OccupantLeft(const QString &room, const QString &nick, const QString &jid);
    void Invited(const QString &from, const QString &room, const QString &reason);
    // `room` is empty when the connection itself failed; `text` is ProblemText(problem).
    void Failed(quoxa::online::LinkProblem problem, const QString &room, const QString &text);
    void Disconnected();

private:
    void Post(LinkRequest request);
    void Deliver(const LinkEvent &event) override; // in the module's thread
    void Report(const LinkEvent &event);            // in this object's

    std::unique_ptr<LinkWorker> mWorker;
    QString mTrustedAuthority;
};

} // namespace quoxa::online
