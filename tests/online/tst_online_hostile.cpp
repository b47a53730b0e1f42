// Two honest copies, each a game, its online session and its connection, play through a
// private prosody while a third account in the room sends what no honest copy would: a move
// out of turn, a stranger's join and seats, a forged dice share, replays, a message of 1 MiB,
// text that is no XML. After each the two copies finish the game with the same record, or
// both stop and say why.
#include "TestServer.h"
#include "TestSupport.h"
#include "engine/OnlineSession.h"
#include "online/XmppLink.h"

#include <QSignalSpy>
#include <QTestEventLoop>
#include <algorithm>

using namespace quoxa;
using namespace quoxa::online;
using namespace quoxa::test;
using Kind = OnlineCommand::Kind;

namespace {

const QString kAda = QStringLiteral("ada@localhost"), kBea = QStringLiteral("bea@localhost"), kCy = QStringLiteral("cy@localhost");
const QString kGame = QStringLiteral("0123456789abcdef0123456789abcdef");
// Cy's chain of dice shares, when Cy plays a seat beside Ada and Bea.
const FairDice kCyChain(QByteArray(32, 'c'), 3 * OnlineCommand::kThrowsPerSeat);

// One honest copy in one room: what its session sends goes to the room, and what the room
// brings goes to its session with the sender's real address.
struct Copy {
    FakeBoard board;
    ScriptedRandom random;
    Game game{board, random};
    OnlineSession session;
    XmppLink &link;
    QString room;
    QStringList stops, logs;
    QByteArrayList sent;          // every payload it sent, its session's and any sent again by hand
    std::map<QString, int> heard; // payloads heard from each address

    Copy(XmppLink &link, const QString &me, const QString &room, const QString &id)
        : session(game, me, kAda, id), link(link), room(room)
    {
        QObject::connect(&session, &OnlineSession::Send, &session, [this](const QByteArray &payload) { SendRaw(payload); });
        QObject::connect(&session, &OnlineSession::Stopped, &session, [this](const QString &m) { stops << m; });
        QObject::connect(&session, &OnlineSession::Logged, &session, [this](const QString &m) { logs << m; });
        QObject::connect(&link, &XmppLink::MessageArrived, &session, [this](const QString &r, const QString &, const QString &jid, const QString &payload) {
            if (r == this->room)
                ++heard[jid], session.Receive(jid, payload.toUtf8());
        });
    }
    void SendRaw(const QByteArray &payload) { sent << payload, link.Send(room, QStringLiteral("Quoxa"), QString::fromUtf8(payload)); }
    // This copy's next move on its own turn: throw, hold die 1, throw again, score the first
    // open box, pass the turn on.
    OnlineCommand NextMove() const
    {
        const TurnVariables &turn = game.turn();
        if (turn.mstrState == u"Continue" || turn.mintRolls >= 2)
            return {.kind = turn.mstrState == u"Continue" ? Kind::Continue : turn.mintRolls == 3 || game.Held(1) ? Kind::Throw : Kind::Hold, .die = 1, .held = 1};
        const auto open = std::ranges::find_if(SheetCategories(), [&](const SheetRow *row) { return game.CurrentSheet().*row->field == PlayerSheet::kUnscored; });
        return {.kind = Kind::Score, .box = *open};
    }
    bool Ended() const { return session.phase() == OnlineSession::Phase::Over || session.phase() == OnlineSession::Phase::Stopped; }
};

} // namespace

class tst_online_hostile : public QObject {
    Q_OBJECT

    TestServer mServer;
    XmppLink mLinks[3]; // ada, bea, cy
    int mRooms = 0;

    // Both copies play on, each its own moves as soon as its game allows them, until the game
    // is over or stopped on both; false when that takes over 15 s or the game refuses a move.
    static bool PlayOn(Copy &ada, Copy &bea)
    {
        QTestEventLoop loop;
        QObject listening;
        bool refused = false;
        const auto ended = [&] { return refused || (ada.Ended() && bea.Ended()); };
        const auto step = [&] {
            for (Copy *copy : {&ada, &bea})
                for (Refusal answer = Refusal::None; answer == Refusal::None && copy->session.phase() == OnlineSession::Phase::Playing;)
                    refused |= (answer = copy->session.Play(copy->NextMove())) != Refusal::None && answer != Refusal::NotNow;
            if (ended())
                loop.exitLoop();
        };
        for (Copy *copy : {&ada, &bea}) // after each session has been handed the payload
            QObject::connect(&copy->link, &XmppLink::MessageArrived, &listening, step);
        step();
        if (!ended())
            loop.enterLoopMSecs(15000);
        return !refused && ended();
    }

private slots:
    void initTestCase()
    {
        UseScratchSettings();
        qRegisterMetaType<LinkProblem>();
        const QByteArray line = mServer.Start();
        if (mServer.Missing())
            QSKIP("prosody or openssl is not installed");
        QVERIFY2(mServer.port != 0, line);
        const QString names[] = {QStringLiteral("ada"), QStringLiteral("bea"), QStringLiteral("cy")};
        for (int i = 0; i < 3; ++i) {
            QSignalSpy connected(&mLinks[i], &XmppLink::Connected);
            mLinks[i].TrustAuthorityForTests(mServer.Authority());
            mLinks[i].Connect(names[i] + QStringLiteral("@localhost"), names[i] + QStringLiteral("-secret"), QStringLiteral("127.0.0.1"), mServer.port);
            QTRY_COMPARE_WITH_TIMEOUT(connected.count(), 1, 10000);
        }
    }

    // Once Ada has thrown, a payload (%1 the game's id; none: Ada's throw again) from Cy's link
    // or Ada's own; in the row that stops, Cy plays a seat and has committed to its chain.
    void hostileClient_data()
    {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<bool>("byAda");
        QTest::addColumn<int>("arriving"); // Cy's payloads that reach each honest copy
        QTest::addColumn<QStringList>("warnings"); // what each link that drops it says
        QTest::addColumn<QString>("logged"); // the one line both honest copies log (Bea alone for Ada's replay)
        QTest::addColumn<QString>("stopped");
        QTest::newRow("a move out of turn") << "<throw game='%1' n='1'/>" << false << 1 << QStringList() << "cy@localhost sent <throw xmlns" << "";
        QTest::newRow("a stranger's join") << "<join game='%1' n='1' name='Cy'/>" << false << 1 << QStringList() << "" << "";
        QTest::newRow("a stranger's seats") << "<seats game='%1' n='1' chain='39'><seat jid='cy@localhost' name='Cy'/></seats>" << false << 1
                                            << QStringList() << "cy@localhost sent <seats" << "";
        QTest::newRow("a forged share") << "<reveal game='%1' n='2' k='1' link='" + QString::fromLatin1(kCyChain.Reveal(2).toHex()) + "'/>" << false << 2
                                        << QStringList() << "" << "Cy's dice share does not match what Cy's copy promised: the game cannot go on.";
        QTest::newRow("Ada's throw again by Cy") << "" << false << 1 << QStringList() << "cy@localhost sent <throw" << "";
        QTest::newRow("Ada's throw again by Ada") << "" << true << 0 << QStringList() << "ada@localhost sent command 3 after 4: a replay or a gap" << "";
        QTest::newRow("1 MiB") << "<throw game='%1' n='1'>" + QString(1024 * 1024, u'x') + "</throw>" << false << 0
                               << QStringList(3, "^dropped a payload of 10\\d{5} bytes from hostile") << "" << "";
        QTest::newRow("no XML") << "<throw game='%1' n='1'" << false << 0 << QStringList{"^not one element in the game's namespace, not sent"} << "" << "";
        QTest::newRow("a die that is none") << "<hold game='%1' n='1' die='9' held='1'/>" << false << 1 << QStringList()
                                            << "cy@localhost sent <hold>'s die is \"9\"" << "";
    }
    void hostileClient()
    {
        QFETCH(QString, payload);
        QFETCH(bool, byAda);
        QFETCH(int, arriving);
        QFETCH(QStringList, warnings);
        QFETCH(QString, logged);
        QFETCH(QString, stopped);
        XmppLink &cyLink = mLinks[2];
        const QString room = QStringLiteral("hostile%1@conference.localhost").arg(++mRooms);
        Copy ada(mLinks[0], kAda, room, kGame), bea(mLinks[1], kBea, room, kGame);
        QSignalSpy cyHeard(&cyLink, &XmppLink::MessageArrived);
        QSignalSpy joined[] = {{&mLinks[0], &XmppLink::Joined}, {&mLinks[1], &XmppLink::Joined}, {&cyLink, &XmppLink::Joined}};
        mLinks[0].CreateRoom(room, QStringLiteral("Ada"));
        QTRY_COMPARE(joined[0].count(), 1);
        mLinks[1].JoinRoom(room, QStringLiteral("Bea"));
        cyLink.JoinRoom(room, QStringLiteral("Cy"));
        QTRY_VERIFY(joined[1].count() == 1 && joined[2].count() == 1);

        std::vector<OnlineCommand::Seat> seats{{kAda, QStringLiteral("Ada")}, {kBea, QStringLiteral("Bea")}};
        if (!stopped.isEmpty())
            seats.push_back({kCy, QStringLiteral("Cy")});
        ada.session.Seat(seats);
        if (!stopped.isEmpty()) {
            QTRY_VERIFY(!cyHeard.isEmpty());
            const OnlineCommand commit{.kind = Kind::Commit, .game = kGame, .n = 1, .link = kCyChain.Commit()};
            cyLink.Send(room, QStringLiteral("Cy"), QString::fromUtf8(commit.Payload()));
        }
        QTRY_VERIFY(ada.session.phase() == OnlineSession::Phase::Playing && bea.session.phase() == OnlineSession::Phase::Playing);
        QCOMPARE(ada.session.Play({.kind = Kind::Throw}), Refusal::None); // its dice wait for every share
        QTRY_VERIFY(std::any_of(cyHeard.begin(), cyHeard.end(), [](const QVariantList &m) { return m[3].toString().startsWith(u"<throw"); }));

        const QString text = payload.isEmpty() ? QString::fromUtf8(ada.sent[2]) : payload.arg(kGame); // after the seats and the commit
        for (const QString &warning : warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        if (byAda)
            ada.SendRaw(text.toUtf8());
        else
            cyLink.Send(room, QStringLiteral("Cy"), text);
        QTRY_VERIFY(ada.heard[kCy] == arriving && bea.heard[kCy] == arriving && bea.heard[kAda] == ada.sent.size());
        QVERIFY2(bea.logs.size() == int(!logged.isEmpty()) && bea.logs.filter(logged) == bea.logs, qPrintable(bea.logs.join(u'\n')));
        QCOMPARE(ada.logs, byAda ? QStringList() : bea.logs);

        QVERIFY(PlayOn(ada, bea));
        if (!stopped.isEmpty()) {
            QTRY_COMPARE(ada.stops + bea.stops, (QStringList{stopped, stopped}));
            QCOMPARE(int(ada.game.turn().mintRolls.value()), 3); // the forged share gave no dice
        } else {
            // Every payload of each honest copy heard by the other, the last digests too.
            QTRY_VERIFY(ada.heard[kBea] == bea.sent.size() && bea.heard[kAda] == ada.sent.size());
            GameRecord records[2] = {ada.game.Record(), bea.game.Record()};
            records[1].started = records[0].started;
            QCOMPARE(GameFiles::Line(records[1]), GameFiles::Line(records[0]));
            QVERIFY(records[0].Over() && records[0].Fault().isEmpty());
            QCOMPARE(ada.stops + bea.stops, QStringList());
            QVERIFY(ada.session.phase() == OnlineSession::Phase::Over && bea.session.phase() == OnlineSession::Phase::Over);
        }
        for (XmppLink &link : mLinks)
            link.LeaveRoom(room);
    }
};

QTEST_MAIN(tst_online_hostile)
#include "tst_online_hostile.moc"
