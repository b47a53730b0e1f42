#pragma once
// Inside the connection module: one XMPP session, run by libstrophe in the module's own thread.
// Everything here is called in that thread only; the game reaches it through LinkWorker.
#include "online/LinkWire.h"

#include <QHash>
#include <QLoggingCategory>
#include <QMutex>
#include <QObject>
#include <QTimer>
#include <memory>
#include <strophe.h>

Q_DECLARE_LOGGING_CATEGORY(lcLink)

namespace quoxa::online {

// Where the session's events go: to the game, until the game lets go of the connection.
class Outlet {
public:
    explicit Outlet(LinkEvents *events) : mEvents(events) {}
    void Send(const LinkEvent &event)
    {
        const QMutexLocker lock(&mMutex);
        if (mEvents)
            mEvents->Deliver(event);
    }
    void Close()
    {
        const QMutexLocker lock(&mMutex);
        mEvents = nullptr;
    }

private:
    QMutex mMutex;
    LinkEvents *mEvents;
};

class Session : public QObject {
public:
    explicit Session(std::shared_ptr<Outlet> outlet);
    ~Session() override; // ends the connection at once

    void Handle(const LinkRequest &request);

private:
    enum class State { Offline, Connecting, Online, Leaving };
    struct Room {
        QString nick{};
        bool creating = false;     // asked to make it: a new room is configured before Joined
        bool joined = false;
        bool subjectSeen = false;  // the room sends its subject after the history
        QHash<QString, QString> occupants{}; // nickname -> bare real address
    };

    // The connection (XmppSession.cpp).
    void Connect(const LinkRequest &request);
    void Pump();
    void EndNow();
    static void OnConnection(xmpp_conn_t *conn, xmpp_conn_event_t event, int error, xmpp_stream_error_t *streamError,
                             void *self);
    static int OnCertificateFailure(const xmpp_tlscert_t *cert, const char *reason);
    static int OnSocket(xmpp_conn_t *conn, void *socket);

    // The rooms and messages (XmppRooms.cpp).
    void EnterRoom(const LinkRequest &request, bool create);
    void LeaveRoom(const QString &room);
    void SendPayload(const LinkRequest &request);
    void Invite(const LinkRequest &request);
    void Presence(xmpp_stanza_t *stanza);
    void Message(xmpp_stanza_t *stanza);
    void AskConfigForm(const QString &room);
    void SubmitConfigForm(xmpp_stanza_t *form);
    void Configured(xmpp_stanza_t *result);
    static int OnPresence(xmpp_conn_t *conn, xmpp_stanza_t *stanza, void *self);
    static int OnMessage(xmpp_conn_t *conn, xmpp_stanza_t *stanza, void *self);
    static int OnConfigForm(xmpp_conn_t *conn, xmpp_stanza_t *stanza, void *self);
    static int OnConfigured(xmpp_conn_t *conn, xmpp_stanza_t *stanza, void *self);

    void Emit(const LinkEvent &event) { mOutlet->Send(event); }
    void Fail(LinkProblem problem, const QString &room = {});
    void Send(xmpp_stanza_t *stanza); // sends and releases it
    bool Online(const char *what) const;

    std::shared_ptr<Outlet> mOutlet;
    xmpp_log_t mLog{};
    xmpp_ctx_t *mCtx = nullptr;
    xmpp_conn_t *mConn = nullptr;
    QTimer mPump;
    State mState = State::Offline;
    bool mCertificateRefused = false;
    bool mReachedServer = false; // a server took the connection
    int mSocket = -1;
    QHash<QString, Room> mRooms; // by bare address, in lower case
};

} // namespace quoxa::online
