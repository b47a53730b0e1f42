#include "online/XmppLink.h"
#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QMetaObject>
#include <QPointer>
#include <thread>

namespace quoxa::online {

namespace {

// One of the module's entry points, the module loaded the first time: null when the module is
// missing or damaged.
template <typename Entry>
Entry Resolved(const char *name)
{
    static QLibrary module(ProgramFile(QStringLiteral("quoxa-online.so"), QStringLiteral(QUOXA_INSTALLED_ONLINE_MODULE)));
    return module.load() ? reinterpret_cast<Entry>(module.resolve(name)) : nullptr;
}

decltype(&QuoxaOpenLink) OpenLink()
{
    static const auto open = Resolved<decltype(&QuoxaOpenLink)>("QuoxaOpenLink");
    return open;
}

// Asks the keyring in a thread of its own, and hands the answer to `done` in the window's
// thread, if `context` is still there.
template <typename Answer>
void AskKeyring(QObject *context, std::function<Answer()> ask, std::function<void(const Answer &)> done)
{
    std::thread([ask = std::move(ask), done = std::move(done), context = QPointer<QObject>(context)] {
        const Answer answer = ask();
        QMetaObject::invokeMethod(QCoreApplication::instance(), [answer, done, context] {
            if (context)
                done(answer);
        }, Qt::QueuedConnection);
    }).detach();
}

} // namespace

XmppLink::XmppLink(QObject *parent) : QObject(parent) {}

XmppLink::~XmppLink()
{
    mWorker.reset(); // no event is delivered after this; those still queued die with this object
}

void XmppLink::Connect(const QString &jid, const QString &password, const QString &host, quint16 port)
{
    LinkRequest request{.kind = LinkRequest::Kind::Connect, .jid = jid, .password = password, .host = host, .port = port};
    request.trustedAuthority = mTrustedAuthority;
    Post(std::move(request));
}

void XmppLink::CreateRoom(const QString &room, const QString &nick)
{
    Post({.kind = LinkRequest::Kind::CreateRoom, .room = room, .nick = nick});
}

void XmppLink::JoinRoom(const QString &room, const QString &nick)
{
    Post({.kind = LinkRequest::Kind::JoinRoom, .room = room, .nick = nick});
}

void XmppLink::Send(const QString &room, const QString &line, const QString &payload)
{
    Post({.kind = LinkRequest::Kind::Send, .room = room, .text = line, .payload = payload});
}

void XmppLink::Invite(const QString &address, const QString &room, const QString &reason)
{
    Post({.kind = LinkRequest::Kind::Invite, .jid = address, .room = room, .text = reason});
}

void XmppLink::LeaveRoom(const QString &room)
{
    Post({.kind = LinkRequest::Kind::LeaveRoom, .room = room});
}

void XmppLink::Disconnect()
{
    Post({.kind = LinkRequest::Kind::Disconnect});
}

QString XmppLink::ProblemText(LinkProblem problem)
{
    switch (problem) {
    case LinkProblem::None:
        break;
    case LinkProblem::LoginRefused:
        return tr("The server refused the login: check the address and the password.");
    case LinkProblem::Unreachable:
        return tr("The server cannot be reached: check the address and the network connection.");
    case LinkProblem::Untrusted:
        return tr("The server's certificate is not trusted, so Quoxa does not connect to it.");
    case LinkProblem::RoomGone:
        return tr("The game's room is gone.");
    case LinkProblem::NickTaken:
        return tr("Someone in the game's room already uses this name.");
    case LinkProblem::RoomRefused:
        return tr("The game's room does not let you in.");
    case LinkProblem::Dropped:
        return tr("The connection to the server dropped.");
    case LinkProblem::ModuleMissing:
        return tr("Online play cannot start: Quoxa's online module is missing.");
    }
    return {};
}

void XmppLink::KeepPassword(QObject *context, const QString &account, const QString &password,
                            std::function<void(const QString &problem)> done)
{
    const auto keep = Resolved<decltype(&QuoxaKeepPassword)>("QuoxaKeepPassword");
    AskKeyring<QString>(context, [keep, account, password] {
        QString problem = tr("the online module is missing");
        if (keep && keep(account, password, &problem))
            return QString();
        return problem.isEmpty() ? tr("it did not take the password") : problem; // a prompt dismissed, say
    }, std::move(done));
}

void XmppLink::FindPassword(QObject *context, const QString &account, std::function<void(const QString &password)> done)
{
    const auto find = Resolved<decltype(&QuoxaFindPassword)>("QuoxaFindPassword");
    AskKeyring<QString>(context, [find, account] {
        QString password;
        return find && find(account, &password) ? password : QString();
    }, std::move(done));
}

void XmppLink::ForgetPassword(const QString &account)
{
    if (const auto forget = Resolved<decltype(&QuoxaForgetPassword)>("QuoxaForgetPassword"))
        std::thread([forget, account] { forget(account); }).detach();
}

void XmppLink::Post(LinkRequest request)
{
    if (!mWorker) {
        const auto open = OpenLink();
        mWorker.reset(open ? open(this) : nullptr);
    }
    if (mWorker) {
        mWorker->Post(request);
    } else if (request.kind == LinkRequest::Kind::Connect) {
        Deliver({.kind = LinkEvent::Kind::Failed, .problem = LinkProblem::ModuleMissing});
    }
}

void XmppLink::Deliver(const LinkEvent &event)
{
    QMetaObject::invokeMethod(this, [this, event] { Report(event); }, Qt::QueuedConnection);
}

void XmppLink::Report(const LinkEvent &event)
{
    using Kind = LinkEvent::Kind;
    switch (event.kind) {
    case Kind::Connected:
        emit Connected(event.jid);
        break;
    case Kind::Joined:
        emit Joined(event.room);
        break;
    case Kind::Live:
        emit Live(event.room);
        break;
    case Kind::Message:
        emit MessageArrived(event.room, event.nick, event.jid, event.text, event.fromHistory);
        break;
    case Kind::Arrived:
        emit OccupantArrived(event.room, event.nick, event.jid);
        break;
    case Kind::Left:
        emit OccupantLeft(event.room, event.nick, event.jid);
        break;
    case Kind::Invited:
        emit Invited(event.jid, event.room, event.text);
        break;
    case Kind::Failed:
        emit Failed(event.problem, event.room, ProblemText(event.problem));
        break;
    case Kind::Disconnected:
        emit Disconnected();
        break;
    }
}

} // namespace quoxa::online
