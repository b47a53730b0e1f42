// How long a payload takes from one copy to another over a private XMPP server on this
// machine: from Send on one link to MessageArrived on the other, through the module's
// threads, TLS and the server's room, 100 times one after the other; then a move, from Play
// on Ada's copy to the move played on Bea's game, through both copies' sessions and links:
// after her first throw Ada holds die 1 and lets it go, 100 times. Measured, never asserted.
// Prints exactly:
//   online: 100 payloads over loopback, median M.MM ms, slowest S.SS ms
//   online: 100 moves seen on the other copy, median M.MM ms, slowest S.SS ms
// or why it could not measure (no prosody: exit 77).
#include "QuietBoard.h"
#include "engine/OnlineSession.h"
#include "online/XmppLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using quoxa::OnlineCommand;
using quoxa::OnlineSession;
using quoxa::online::XmppLink;

namespace {

// A copy of the game without a window, its session speaking through its link.
struct Copy {
    QuietBoard board;
    quoxa::ClockRandomSource random;
    quoxa::Game game{board, random};
    OnlineSession session;
    Copy(XmppLink &link, const QString &me, const QString &room)
        : session(game, me, QStringLiteral("ada@localhost"), QStringLiteral("0123456789abcdef0123456789abcdef"))
    {
        QObject::connect(&session, &OnlineSession::Send, &link, [&link, room](const QByteArray &payload) {
            link.Send(room, QStringLiteral("Quoxa"), QString::fromUtf8(payload));
        });
    }
};

double Median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QProcess server;
    server.start(QStringLiteral(QUOXA_TEST_SERVER), {dir.path()});
    if (!server.waitForReadyRead(60000) && server.state() != QProcess::Running) {
        std::printf("online: no test server (%s)\n", server.readAll().trimmed().constData());
        return server.exitCode() == 77 ? 77 : 1;
    }
    const QByteArray ready = server.readLine().trimmed();
    if (!ready.startsWith("ready ")) {
        std::printf("online: no test server (%s)\n", ready.constData());
        return server.exitCode() == 77 ? 77 : 1;
    }
    const auto port = quint16(ready.mid(6).toUInt());
    const QString room = QStringLiteral("bench@conference.localhost");
    constexpr int kRuns = 100;

    XmppLink ada, bea;
    Copy adaCopy(ada, QStringLiteral("ada@localhost"), room), beaCopy(bea, QStringLiteral("bea@localhost"), room);
    std::vector<double> ms, moves;
    bool playing = false; // the payloads are timed, and the copies play
    QElapsedTimer clock;
    const auto send = [&] {
        clock.start();
        ada.Send(room, QStringLiteral("Ada throws."), QStringLiteral("<throw n='%1'/>").arg(ms.size() + 1));
    };
    const auto fail = [&](quoxa::online::LinkProblem, const QString &, const QString &text) {
        std::printf("online: %s\n", qUtf8Printable(text));
        app.exit(1);
    };
    for (XmppLink *link : {&ada, &bea}) {
        link->TrustAuthorityForTests(dir.filePath(QStringLiteral("ca.crt")));
        QObject::connect(link, &XmppLink::Failed, &app, fail);
    }
    QObject::connect(&ada, &XmppLink::Connected, &app, [&] { ada.CreateRoom(room, QStringLiteral("Ada")); });
    QObject::connect(&ada, &XmppLink::Joined, &app, [&] {
        bea.Connect(QStringLiteral("bea@localhost"), QStringLiteral("bea-secret"), QStringLiteral("127.0.0.1"), port);
    });
    QObject::connect(&bea, &XmppLink::Connected, &app, [&] { bea.JoinRoom(room, QStringLiteral("Bea")); });
    QObject::connect(&bea, &XmppLink::Joined, &app, send);
    const auto hold = [&] {
        clock.start();
        adaCopy.session.Play({.kind = OnlineCommand::Kind::Hold, .die = 1, .held = moves.size() % 2 ? 0 : 1});
    };
    QObject::connect(&ada, &XmppLink::MessageArrived, &app, [&](const QString &, const QString &, const QString &jid, const QString &payload) {
        if (!playing)
            return;
        const bool thrown = adaCopy.game.turn().mintRolls.value() == 2;
        adaCopy.session.Receive(jid, payload.toUtf8());
        if (!thrown && adaCopy.game.turn().mintRolls.value() == 2) // the first throw's dice are in
            hold();
    });
    QObject::connect(&bea, &XmppLink::MessageArrived, &app, [&](const QString &, const QString &nick, const QString &jid, const QString &payload) {
        if (nick != u"Ada")
            return;
        if (!playing) {
            ms.push_back(double(clock.nsecsElapsed()) / 1e6);
            if (ms.size() < kRuns)
                return send();
            playing = true;
            adaCopy.session.Seat({{QStringLiteral("ada@localhost"), QStringLiteral("Ada")}, {QStringLiteral("bea@localhost"), QStringLiteral("Bea")}});
            return;
        }
        beaCopy.session.Receive(jid, payload.toUtf8());
        if (!payload.startsWith(u"<hold"))
            return;
        if (beaCopy.game.Held(1) != (moves.size() % 2 == 0)) {
            std::printf("online: Bea's game did not play Ada's hold\n");
            return app.exit(1);
        }
        moves.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (moves.size() < kRuns)
            hold();
        else
            app.quit();
    });
    QObject::connect(&adaCopy.session, &OnlineSession::Started, &app, [&] {
        adaCopy.session.Play({.kind = OnlineCommand::Kind::Throw});
    });
    for (OnlineSession *session : {&adaCopy.session, &beaCopy.session})
        QObject::connect(session, &OnlineSession::Stopped, &app, [&](const QString &why) {
            std::printf("online: the game stopped: %s\n", qUtf8Printable(why));
            app.exit(1);
        });
    ada.Connect(QStringLiteral("ada@localhost"), QStringLiteral("ada-secret"), QStringLiteral("127.0.0.1"), port);
    QTimer::singleShot(120000, &app, [&] {
        std::printf("online: no answer in two minutes\n");
        app.exit(1);
    });
    const int result = app.exec();
    server.terminate();
    server.waitForFinished(5000);
    if (result != 0)
        return result;
    std::printf("online: %d payloads over loopback, median %.2f ms, slowest %.2f ms\n", kRuns, Median(ms),
                *std::max_element(ms.begin(), ms.end()));
    std::printf("online: %d moves seen on the other copy, median %.2f ms, slowest %.2f ms\n", kRuns, Median(moves),
                *std::max_element(moves.begin(), moves.end()));
    return 0;
}
