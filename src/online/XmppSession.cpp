// The connection module: libstrophe, and with it TLS, loaded only when the game first goes
// online. One thread a connection runs libstrophe's loop in short slices, so that requests
// queued to it from the game are taken between two slices.
#include "online/XmppSession.h"

#include <QElapsedTimer>
#include <QThread>
#include <mutex>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

Q_LOGGING_CATEGORY(lcLink, "quoxa.online")

namespace quoxa::online {

namespace {

constexpr unsigned long kSliceMs = 5;      // the longest a queued request waits for the loop
constexpr qint64 kGoodbyeMs = 300;         // what ending a connection gives the server to answer
constexpr unsigned long kStopMs = 1000;    // what closing the game waits for the thread

// The session of this thread, for libstrophe's one callback that carries no pointer of ours.
thread_local Session *tSession = nullptr;

void Log(void *, xmpp_log_level_t level, const char *area, const char *text)
{
    if (level >= XMPP_LEVEL_WARN)
        qCWarning(lcLink, "%s: %s", area, text);
}

// The game's side of a connection: a thread and the session that runs in it.
class Worker final : public LinkWorker {
public:
    explicit Worker(LinkEvents *events) : mOutlet(std::make_shared<Outlet>(events)), mThread(new QThread)
    {
        mSession = new Session(mOutlet);
        mSession->moveToThread(mThread);
        mThread->start();
    }

    ~Worker() override
    {
        mOutlet->Close();
        QMetaObject::invokeMethod(
            mSession,
            [session = mSession] {
                delete session;
                QThread::currentThread()->quit();
            },
            Qt::QueuedConnection);
        if (mThread->wait(kStopMs))
            delete mThread;
        else // still looking the server up: the thread ends on its own, reporting to no one
            qCWarning(lcLink, "the connection's thread did not stop in time; it is left to end");
    }

    void Post(const LinkRequest &request) override
    {
        QMetaObject::invokeMethod(mSession, [session = mSession, request] { session->Handle(request); },
                                  Qt::QueuedConnection);
    }

private:
    std::shared_ptr<Outlet> mOutlet;
    QThread *mThread;
    Session *mSession;
};

} // namespace

Session::Session(std::shared_ptr<Outlet> outlet) : mOutlet(std::move(outlet))
{
    mLog = {&Log, nullptr};
    mCtx = xmpp_ctx_new(nullptr, &mLog);
    mPump.setParent(this);
    mPump.setInterval(0);
    connect(&mPump, &QTimer::timeout, this, &Session::Pump);
}

Session::~Session()
{
    EndNow();
    xmpp_ctx_free(mCtx);
}

void Session::Handle(const LinkRequest &request)
{
    using Kind = LinkRequest::Kind;
    switch (request.kind) {
    case Kind::Connect:
        Connect(request);
        break;
    case Kind::CreateRoom:
    case Kind::JoinRoom:
        EnterRoom(request, request.kind == Kind::CreateRoom);
        break;
    case Kind::Send:
        SendPayload(request);
        break;
    case Kind::Invite:
        Invite(request);
        break;
    case Kind::LeaveRoom:
        LeaveRoom(request.room.toLower());
        break;
    case Kind::Disconnect:
        if (mState == State::Connecting || mState == State::Online) {
            mState = State::Leaving;
            xmpp_disconnect(mConn); // Disconnected follows once the server has let go
        } else if (mState == State::Offline) {
            Emit({.kind = LinkEvent::Kind::Disconnected});
        }
        break;
    }
}

void Session::Connect(const LinkRequest &request)
{
    EndNow();
    tSession = this;
    mConn = xmpp_conn_new(mCtx);
    xmpp_conn_set_flags(mConn, XMPP_CONN_FLAG_MANDATORY_TLS);
    xmpp_conn_set_jid(mConn, request.jid.toUtf8().constData());
    xmpp_conn_set_pass(mConn, request.password.toUtf8().constData());
    if (!request.trustedAuthority.isEmpty())
        xmpp_conn_set_cafile(mConn, request.trustedAuthority.toLocal8Bit().constData());
    xmpp_conn_set_certfail_handler(mConn, &Session::OnCertificateFailure);
    xmpp_conn_set_sockopt_callback(mConn, &Session::OnSocket);
    xmpp_handler_add(mConn, &Session::OnPresence, nullptr, "presence", nullptr, this);
    xmpp_handler_add(mConn, &Session::OnMessage, nullptr, "message", nullptr, this);
    mCertificateRefused = false;
    mReachedServer = false;
    mSocket = -1;
    const QByteArray host = request.host.toUtf8();
    if (xmpp_connect_client(mConn, host.isEmpty() ? nullptr : host.constData(), request.port, &Session::OnConnection,
                            this) != XMPP_EOK) {
        xmpp_conn_release(mConn);
        mConn = nullptr;
        Fail(LinkProblem::Unreachable);
        Emit({.kind = LinkEvent::Kind::Disconnected});
        return;
    }
    mState = State::Connecting;
    mPump.start();
}

void Session::Pump()
{
    xmpp_run_once(mCtx, kSliceMs);
    if (mState == State::Connecting && !mReachedServer && mSocket >= 0) {
        // Whether a server took the connection: libstrophe tells the end of a refused one
        // and of a refused login alike.
        sockaddr_storage peer{};
        socklen_t size = sizeof peer;
        mReachedServer = getpeername(mSocket, reinterpret_cast<sockaddr *>(&peer), &size) == 0;
    }
    if (mState == State::Offline && mConn) { // libstrophe is done with it: the slice has ended
        mPump.stop();
        xmpp_conn_release(mConn);
        mConn = nullptr;
    }
}

// Ends the connection without waiting for long: the server is told goodbye and given a moment.
void Session::EndNow()
{
    if (!mConn)
        return;
    if (mState != State::Offline) {
        mState = State::Leaving;
        xmpp_disconnect(mConn);
        QElapsedTimer waited;
        waited.start();
        while (mState != State::Offline && waited.elapsed() < kGoodbyeMs)
            xmpp_run_once(mCtx, kSliceMs);
    }
    mPump.stop();
    xmpp_conn_release(mConn);
    mConn = nullptr;
    mState = State::Offline;
    mRooms.clear();
}

void Session::OnConnection(xmpp_conn_t *conn, xmpp_conn_event_t event, int error, xmpp_stream_error_t *streamError,
                           void *self)
{
    auto *session = static_cast<Session *>(self);
    if (event == XMPP_CONN_CONNECT) {
        session->mState = State::Online;
        xmpp_stanza_t *presence = xmpp_presence_new(session->mCtx); // available: invitations reach us
        session->Send(presence);
        char *bare = xmpp_jid_bare(session->mCtx, xmpp_conn_get_bound_jid(conn));
        session->Emit({.kind = LinkEvent::Kind::Connected, .jid = QString::fromUtf8(bare)});
        xmpp_free(session->mCtx, bare);
        return;
    }
    if (event == XMPP_CONN_RAW_CONNECT)
        return;
    const State was = session->mState;
    session->mState = State::Offline;
    session->mRooms.clear();
    qCInfo(lcLink, "connection ended: error %d, stream error %d", error, streamError ? int(streamError->type) : -1);
    if (was == State::Online) {
        session->Fail(LinkProblem::Dropped);
    } else if (was == State::Connecting) {
        if (session->mCertificateRefused)
            session->Fail(LinkProblem::Untrusted);
        else if (session->mReachedServer)
            session->Fail(LinkProblem::LoginRefused);
        else
            session->Fail(LinkProblem::Unreachable);
    }
    session->Emit({.kind = LinkEvent::Kind::Disconnected});
}

int Session::OnSocket(xmpp_conn_t *conn, void *socket)
{
    const int fd = *static_cast<int *>(socket);
    if (tSession)
        tSession->mSocket = fd;
    const int on = 1; // a move goes out at once, not with the next one
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return xmpp_sockopt_cb_keepalive(conn, socket); // a network gone quiet ends the connection
}

int Session::OnCertificateFailure(const xmpp_tlscert_t *cert, const char *reason)
{
    qCWarning(lcLink, "the server's certificate is not trusted (%s): %s", reason,
              xmpp_tlscert_get_string(cert, XMPP_CERT_SUBJECT));
    if (tSession)
        tSession->mCertificateRefused = true;
    return 0; // never connect to it
}

void Session::Fail(LinkProblem problem, const QString &room)
{
    Emit({.kind = LinkEvent::Kind::Failed, .room = room, .problem = problem});
}

void Session::Send(xmpp_stanza_t *stanza)
{
    xmpp_send(mConn, stanza);
    xmpp_stanza_release(stanza);
}

bool Session::Online(const char *what) const
{
    if (mState != State::Online)
        qCWarning(lcLink, "not connected: %s is not sent", what);
    return mState == State::Online;
}

} // namespace quoxa::online

extern "C" Q_DECL_EXPORT quoxa::online::LinkWorker *QuoxaOpenLink(quoxa::online::LinkEvents *events)
{
    static std::once_flag initialized;
    try {
        std::call_once(initialized, [] { xmpp_initialize(); });
        return new quoxa::online::Worker(events);
    } catch (...) {
        return nullptr; // the game says the module is missing
    }
}
