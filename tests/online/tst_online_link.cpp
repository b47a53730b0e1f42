// Online play's connection against a private prosody: a game room made and joined after an
// invitation, payloads both ways with the senders' real addresses, the room's history, an
// oversized payload dropped, and what the player is told when a login or a room fails.
#include "TestServer.h"
#include "online/XmppLink.h"

#include <QSignalSpy>
#include <memory>

using namespace quoxa::online;

namespace {

const QString kRoom = QStringLiteral("game@conference.localhost");

struct Player {
    XmppLink link;
    QSignalSpy connected{&link, &XmppLink::Connected};
    QSignalSpy joined{&link, &XmppLink::Joined};
    QSignalSpy messages{&link, &XmppLink::MessageArrived};
    QSignalSpy arrived{&link, &XmppLink::OccupantArrived};
    QSignalSpy left{&link, &XmppLink::OccupantLeft};
    QSignalSpy invited{&link, &XmppLink::Invited};
    QSignalSpy failed{&link, &XmppLink::Failed};
    QSignalSpy disconnected{&link, &XmppLink::Disconnected};

    // Each message as "nick jid history payload".
    QStringList Heard() const
    {
        QStringList heard;
        for (const QVariantList &m : messages)
            heard << QStringList{m[1].toString(), m[2].toString(), m[4].toString(), m[3].toString()}.join(u' ');
        return heard;
    }
};

} // namespace

class tst_online_link : public QObject {
    Q_OBJECT

    TestServer mServer;

    std::unique_ptr<Player> Connecting(const QString &name, const QString &password, bool trusted, quint16 port)
    {
        auto player = std::make_unique<Player>();
        if (trusted)
            player->link.TrustAuthorityForTests(mServer.Authority());
        player->link.Connect(name + QStringLiteral("@localhost"), password, QStringLiteral("127.0.0.1"), port);
        return player;
    }
    std::unique_ptr<Player> LoggedIn(const QString &name)
    {
        auto player = Connecting(name, name + QStringLiteral("-secret"), true, mServer.port);
        const bool in = QTest::qWaitFor([&] { return !player->connected.isEmpty() || !player->failed.isEmpty(); }, 10000);
        return in && player->failed.isEmpty() ? std::move(player) : nullptr;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<LinkProblem>();
        const QByteArray line = mServer.Start();
        if (mServer.Missing())
            QSKIP("prosody or openssl is not installed");
        QVERIFY2(mServer.port != 0, line);
    }

    void aGameRoom()
    {
        const auto ada = LoggedIn(QStringLiteral("ada")), bea = LoggedIn(QStringLiteral("bea"));
        QVERIFY(ada && bea);
        QCOMPARE(ada->connected[0][0], u"ada@localhost"_qs);
        ada->link.CreateRoom(kRoom, QStringLiteral("Ada"));
        QTRY_COMPARE(ada->joined.count(), 1);
        ada->link.Invite(QStringLiteral("bea@localhost"), kRoom, QStringLiteral("Ada invites you to a game."));
        QTRY_COMPARE(bea->invited.count(), 1);
        QCOMPARE(bea->invited[0], (QVariantList{u"ada@localhost"_qs, kRoom, u"Ada invites you to a game."_qs}));
        bea->link.JoinRoom(kRoom, QStringLiteral("Bea"));
        QTRY_COMPARE(bea->joined.count(), 1);
        // Bea is no moderator, yet sees Ada's real address: the room is non-anonymous.
        QCOMPARE(bea->arrived, (QList<QVariantList>{{kRoom, u"Ada"_qs, u"ada@localhost"_qs}}));
        QTRY_COMPARE(ada->arrived, (QList<QVariantList>{{kRoom, u"Bea"_qs, u"bea@localhost"_qs}}));

        const QString adaThrows = QStringLiteral("Ada ada@localhost %1 <throw xmlns=\"urn:quoxa:online:1\" n=\"1\"/>");
        const QString beaHolds = QStringLiteral("Bea bea@localhost %1 <hold xmlns=\"urn:quoxa:online:1\" die=\"3\"/>");
        ada->link.Send(kRoom, QStringLiteral("Ada throws."), QStringLiteral("<throw xmlns='urn:quoxa:online:1' n='1'/>"));
        QTRY_COMPARE(bea->Heard(), QStringList{adaThrows.arg(u"false")});
        bea->link.Send(kRoom, QStringLiteral("Bea holds a die."), QStringLiteral("<hold die='3'/>"));
        bea->link.Send(kRoom, QStringLiteral("not ours"), QStringLiteral("<hold xmlns='jabber:client'/>"));
        QTRY_COMPARE(ada->Heard(), (QStringList{adaThrows.arg(u"false"), beaHolds.arg(u"false")}));

        // Bea's copy goes and comes back: the room's history tells it the game so far.
        bea->link.LeaveRoom(kRoom);
        QTRY_COMPARE(ada->left, (QList<QVariantList>{{kRoom, u"Bea"_qs, u"bea@localhost"_qs}}));
        bea->messages.clear();
        bea->link.JoinRoom(kRoom, QStringLiteral("Bea"));
        QTRY_COMPARE(bea->Heard(), (QStringList{adaThrows.arg(u"true"), beaHolds.arg(u"true")}));

        // A payload over 16 KiB reaches neither copy; what follows it does.
        for (int copy = 0; copy < 2; ++copy)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^dropped a payload of 10\\d{5} bytes")));
        const QString huge = QStringLiteral("<chat>%1</chat>").arg(QString(1024 * 1024, u'x'));
        ada->link.Send(kRoom, QStringLiteral("Ada says a lot."), huge);
        ada->link.Send(kRoom, QStringLiteral("Ada scores."), QStringLiteral("<score box='lblSixes'/>"));
        QTRY_COMPARE(bea->Heard().size(), 3);
        QVERIFY(bea->Heard().last().contains(u"<score box=\"lblSixes\" xmlns=\"urn:quoxa:online:1\"/>"));

        // Cy cannot take Ada's name, nor enter a room that does not exist.
        const auto cy = LoggedIn(QStringLiteral("cy"));
        QVERIFY(cy);
        const QString nowhere = QStringLiteral("nowhere@conference.localhost");
        cy->link.JoinRoom(kRoom, QStringLiteral("Ada"));
        cy->link.JoinRoom(nowhere, QStringLiteral("Cy"));
        QTRY_COMPARE(cy->failed.count(), 2);
        QCOMPARE(cy->failed[0], (QVariantList{QVariant::fromValue(LinkProblem::NickTaken), kRoom,
                                              XmppLink::ProblemText(LinkProblem::NickTaken)}));
        QCOMPARE(cy->failed[1].mid(0, 2), (QVariantList{QVariant::fromValue(LinkProblem::RoomGone), nowhere}));
        QCOMPARE(cy->joined.count(), 0);
    }

    void refusedLogins_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<bool>("serverThere");
        QTest::addColumn<LinkProblem>("problem");
        QTest::newRow("wrong password") << "ada" << "bea-secret" << true << true << LinkProblem::LoginRefused;
        QTest::newRow("no such account") << "dan" << "dan-secret" << true << true << LinkProblem::LoginRefused;
        QTest::newRow("certificate of no trusted authority") << "ada" << "ada-secret" << false << true << LinkProblem::Untrusted;
        QTest::newRow("no server") << "ada" << "ada-secret" << true << false << LinkProblem::Unreachable;
    }
    void refusedLogins()
    {
        QFETCH(QString, account);
        QFETCH(QString, password);
        QFETCH(bool, trusted);
        QFETCH(bool, serverThere);
        QFETCH(LinkProblem, problem);
        const auto player = Connecting(account, password, trusted, serverThere ? mServer.port : 1);
        QTRY_COMPARE_WITH_TIMEOUT(player->disconnected.count(), 1, 10000);
        QCOMPARE(player->failed, (QList<QVariantList>{{QVariant::fromValue(problem), QString(), XmppLink::ProblemText(problem)}}));
        QVERIFY(!XmppLink::ProblemText(problem).isEmpty());
        QCOMPARE(player->connected.count(), 0);
    }

    // A copy closed in the middle of a game, or in the middle of logging in, lets go at once
    // and the others see it leave; one that says goodbye hears that it is offline.
    void closingInTheMiddle()
    {
        const QString room = QStringLiteral("second@conference.localhost");
        auto ada = LoggedIn(QStringLiteral("ada"));
        auto bea = LoggedIn(QStringLiteral("bea"));
        QVERIFY(ada && bea);
        ada->link.CreateRoom(room, QStringLiteral("Ada"));
        QTRY_COMPARE(ada->joined.count(), 1);
        bea->link.JoinRoom(room, QStringLiteral("Bea"));
        QTRY_COMPARE(ada->arrived.count(), 1);
        bea.reset();
        QTRY_COMPARE(ada->left, (QList<QVariantList>{{room, u"Bea"_qs, u"bea@localhost"_qs}}));
        Connecting(QStringLiteral("cy"), QStringLiteral("cy-secret"), true, mServer.port).reset();
        ada->link.Disconnect();
        QTRY_COMPARE(ada->disconnected.count(), 1);
        QCOMPARE(ada->failed.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_online_link)
#include "tst_online_link.moc"
