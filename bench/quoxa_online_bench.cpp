// How long a payload takes from one copy to another over a private XMPP server on this
// machine: from Send on one link to MessageArrived on the other, through the module's
// threads, TLS and the server's room, 100 times one after the other. Measured, never
// asserted. Prints exactly:
//   online: 100 payloads over loopback, median M.MM ms, slowest S.SS ms
// or why it could not measure (no prosody: exit 77).
#include "online/XmppLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using quoxa::online::XmppLink;

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
    std::vector<double> ms;
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
    QObject::connect(&bea, &XmppLink::MessageArrived, &app, [&](const QString &, const QString &nick) {
        if (nick != u"Ada")
            return;
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (ms.size() < kRuns)
            send();
        else
            app.quit();
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
    std::sort(ms.begin(), ms.end());
    std::printf("online: %d payloads over loopback, median %.2f ms, slowest %.2f ms\n", kRuns,
                (ms[kRuns / 2 - 1] + ms[kRuns / 2]) / 2, ms.back());
    return 0;
}
