// Online play without the network: copies of one game wired to each other in memory play it
// to the end alike; the dice of a throw from the shares, worked out by hand; the commands'
// payloads, read back and refused; and what a forged, replayed or stranger's message does.
#include "TestSupport.h"
#include "engine/OnlineSession.h"

#include <QCryptographicHash>

using namespace quoxa;
using namespace quoxa::test;
using Kind = OnlineCommand::Kind;

namespace {

const QString kGame = QStringLiteral("0123456789abcdef0123456789abcdef");

// Copies of one game, each on its own board, in one room: what a copy sends reaches every
// copy that is not gone, itself too, in the order sent, and the room's history. `tamper` may
// change a payload on its way.
struct Room {
    struct Copy {
        FakeBoard board;
        ScriptedRandom random;
        Game game{board, random};
        OnlineSession session;
        QString jid;
        QStringList stops, logs, news;
        bool gone = false;
        Copy(const QString &jid) : session(game, jid, "ada@example.org", kGame), jid(jid) {}
    };
    std::vector<std::unique_ptr<Copy>> copies;
    std::deque<std::pair<QString, QByteArray>> queue, history;
    std::map<QString, int> sent; // payloads each copy sent
    int digests = 0;
    std::function<QByteArray(const QString &, const QByteArray &)> tamper = [](auto &, auto &payload) { return payload; };

    explicit Room(const QStringList &names)
    {
        std::vector<OnlineCommand::Seat> seats;
        for (const QString &name : names) {
            copies.push_back(Wired(name.toLower() + "@example.org"));
            seats.push_back({copies.back()->jid, name, 0});
        }
        copies[0]->session.Seat(seats);
        Flush();
    }
    std::unique_ptr<Copy> Wired(const QString &jid)
    {
        auto copy = std::make_unique<Copy>(jid);
        QObject::connect(&copy->session, &OnlineSession::Send, [this, jid](const QByteArray &p) {
            queue.emplace_back(jid, p), ++sent[jid], digests += p.startsWith("<digest");
        });
        QObject::connect(&copy->session, &OnlineSession::Stopped, [c = copy.get()](const QString &m) { c->stops << m; });
        QObject::connect(&copy->session, &OnlineSession::Logged, [c = copy.get()](const QString &m) { c->logs << m; });
        QObject::connect(&copy->session, &OnlineSession::SeatsChanged, [c = copy.get()](const QString &m) { c->news << m; });
        return copy;
    }
    // The copy at `i` was cut short: a new one comes back with the first link it kept, plays
    // the room's history through and goes on.
    void Restart(std::size_t i)
    {
        const QByteArray kept = copies[i]->game.Record().shared->chain;
        copies[i] = Wired(copies[i]->jid);
        copies[i]->session.Resume(kept);
        for (const auto &[from, payload] : history)
            copies[i]->session.Receive(from, payload);
        copies[i]->session.CaughtUp();
        Flush();
    }
    void Deliver(const QString &from, const QByteArray &payload)
    {
        history.emplace_back(from, tamper(from, payload));
        for (auto &copy : copies)
            if (!copy->gone)
                copy->session.Receive(from, history.back().second);
    }
    void Flush()
    {
        for (; !queue.empty(); queue.pop_front())
            Deliver(queue.front().first, queue.front().second);
    }
    Copy &Mover() { return **std::ranges::find_if(copies, [](auto &c) { return c->session.OwnTurn() && !c->gone; }); }
    // Moves of the seat in turn, each played by its copy and carried: "t" throws, "h3" holds
    // die 3, "sOnes" scores Ones (one open box when none is named), "u" undoes, "c" continues.
    void Play(const QString &script)
    {
        for (const QString &move : script.split(' ', Qt::SkipEmptyParts)) {
            OnlineCommand command{.kind = move == "t" ? Kind::Throw : move == "u" ? Kind::Undo : move == "c" ? Kind::Continue : move[0] == 'h' ? Kind::Hold : Kind::Score};
            command.die = move.mid(1).toInt(), command.held = 1;
            command.box = FindSheetRow("lbl" + move.mid(1));
            for (const SheetRow *row : SheetCategories())
                command.box = command.box ? command.box : Mover().game.CurrentSheet().*row->field == PlayerSheet::kUnscored ? row : nullptr;
            QCOMPARE(Mover().session.Play(command), Refusal::None);
            Flush();
        }
    }
};

} // namespace

class ProtocolTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }

    // Two copies play a whole game of two seats, with holds and an undo, to the same end.
    void wholeGameAlike()
    {
        ErrorRecorder errors;
        Room room({"Ada", "Bea"});
        for (int turn = 0; turn < 26; ++turn)
            room.Play(turn == 3 ? "t h1 h4 t sChance u sx c" : turn == 25 ? "t sx" : turn % 2 ? "t sx c" : "t h2 t h5 t sx c");
        GameRecord records[2] = {room.copies[0]->game.Record(), room.copies[1]->game.Record()};
        records[1].started = records[0].started;
        QCOMPARE(GameFiles::Line(records[1]), GameFiles::Line(records[0]));
        QCOMPARE(records[0].Fault(), QString());
        QVERIFY(records[0].Over() && records[0].shared->reveals.size() > 26);
        QCOMPARE(records[0].turns[3].scored->label, u"lblTwos");
        for (auto &copy : room.copies)
            QVERIFY2(copy->session.phase() == OnlineSession::Phase::Over && copy->stops.isEmpty() && copy->logs.isEmpty(), qPrintable((copy->stops + copy->logs).join('\n')));
        QCOMPARE(room.digests, 52);
        QVERIFY(errors.messages.isEmpty());
        // The record keeps the shares, and tells a share or a die changed afterwards.
        QCOMPARE(GameFiles::FromLine(GameFiles::Line(records[0]))->shared->reveals, records[0].shared->reveals);
        records[0].shared->reveals[5][1][0] ^= 1;
        QVERIFY(records[0].Fault().contains("shares do not give"));
        records[1].turns[7].throws[0].dice[2] = records[1].turns[7].throws[0].dice[2] % 6 + 1;
        QVERIFY(records[1].Fault().contains("turn 8 throws dice that the players' shares"));
    }

    // The chain, and the faces of a throw from two links, worked out by hand.
    void facesByHand()
    {
        QByteArray first(32, 7), hashed = first;
        for (int i = 0; i < 3; ++i)
            hashed = QCryptographicHash::hash(hashed, QCryptographicHash::Sha256);
        const FairDice chain(first, 3);
        QCOMPARE(chain.Commit(), hashed);
        QCOMPARE(chain.Reveal(3), first);
        QVERIFY(FairDice::Precedes(chain.Reveal(2), chain.Reveal(1)) && !FairDice::Precedes(chain.Reveal(1), chain.Reveal(2)));
        QVERIFY(chain.Reveal(4).isEmpty() && chain.Reveal(0).isEmpty());
        const QByteArray a = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");
        const QByteArray b(32, 0x0d);
        const QByteArray seed = QCryptographicHash::hash("quoxa-throw" + QByteArray::fromHex("00000001") + a + b, QCryptographicHash::Sha256);
        QCOMPARE(seed.left(6).toHex(), "a172fef32bfb"); // 161 114 254 243 43 251: 6 1 (254 passed over) 4 2 6
        QCOMPARE(FairDice::Faces(1, {a, b}), (DiceSet{6, 1, 4, 2, 6}));
        QVERIFY(FairDice::Faces(2, {a, b}) != FairDice::Faces(1, {a, b}) && FairDice::Faces(1, {b, a}) != FairDice::Faces(1, {a, b}));
    }

    void digestText()
    {
        PlayerSheet ada, bea;
        ScoreDice(ada, *FindSheetRow(u"lblFives"), DiceSet{5, 5, 5, 1, 2}, false);
        ScoreDice(ada, *FindSheetRow(u"lblQuoxa"), DiceSet{3, 3, 3, 3, 3}, true);
        const PlayerSheet sheets[] = {ada, bea};
        QCOMPARE(DigestText(sheets), "quoxa-digest\nseat 1: - - - - 15 - - - - - - 50 - 0 65\nseat 2: - - - - - - - - - - - - - 0 0\n");
    }

    void commandsRoundTrip()
    {
        const QByteArray link(32, char(0xab));
        for (const OnlineCommand &command : std::initializer_list<OnlineCommand>{
                 {.kind = Kind::Join, .name = "Bea"}, {.kind = Kind::Seats, .seats = {{"ada@x.org", "Ada", 0}, {"ada@x.org", "Cy", 3}}, .chain = 78},
                 {.kind = Kind::Commit, .link = link}, {.kind = Kind::Hold, .die = 5, .held = 1}, {.kind = Kind::Throw},
                 {.kind = Kind::Score, .box = FindSheetRow(u"lblFullHouse")}, {.kind = Kind::Undo}, {.kind = Kind::Continue},
                 {.kind = Kind::Reveal, .link = link, .k = 156}, {.kind = Kind::Digest, .link = link, .turn = 52}, {.kind = Kind::Leave},
                 {.kind = Kind::Away, .seat = 4, .level = 5}, {.kind = Kind::Back, .seat = 2}}) {
            OnlineCommand sent = command;
            sent.game = kGame, sent.n = 12;
            QVERIFY2(OnlineCommand::Read(sent.Payload()).command == sent, sent.Payload());
        }
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("fault");
        const QByteArray g = "xmlns='urn:quoxa:online:1' game='" + kGame.toLatin1() + "' n='1'";
        const QByteArray hex63(63, 'a');
        QTest::newRow("another namespace") << QByteArray("<throw xmlns='urn:quoxa:online:2' game='" + kGame.toLatin1() + "' n='1'/>") << "is no command";
        QTest::newRow("no such command") << "<roll " + g + "/>" << "is no command";
        QTest::newRow("game in capitals") << "<throw xmlns='urn:quoxa:online:1' game='" + kGame.toUpper().toLatin1() + "' n='1'/>" << "no game id";
        QTest::newRow("n of 0") << QByteArray(g).replace("n='1'", "n='0'").prepend("<throw ").append("/>") << "sequence number";
        QTest::newRow("n of 01") << QByteArray(g).replace("n='1'", "n='01'").prepend("<throw ").append("/>") << "sequence number";
        QTest::newRow("die 6") << "<hold " + g + " die='6' held='1'/>" << "die is \"6\"";
        QTest::newRow("held 2") << "<hold " + g + " die='1' held='2'/>" << "held is";
        QTest::newRow("a total's box") << "<score " + g + " box='lblTotal'/>" << "box is";
        QTest::newRow("k of 0") << "<reveal " + g + " k='0' link='" + hex63 + "a'/>" << "k is";
        QTest::newRow("63 hex digits") << "<reveal " + g + " k='1' link='" + hex63 + "'/>" << "link is";
        QTest::newRow("link in capitals") << "<commit " + g + " link='" + hex63.toUpper() + "A'/>" << "link is";
        QTest::newRow("name of 21") << "<join " + g + " name=' abcdefghijklmnopqrstu '/>" << "name is";
        QTest::newRow("blank name") << "<join " + g + " name='  '/>" << "name is";
        QTest::newRow("level in lower case") << "<away " + g + " seat='1' level='club'/>" << "level is";
        QTest::newRow("seat 5") << "<back " + g + " seat='5'/>" << "seat is";
        QTest::newRow("five seats") << "<seats " + g + " chain='156'>" + QByteArray("<seat jid='a@b' name='A'/>").repeated(5) + "</seats>" << "inside the command";
        QTest::newRow("chain not 39 a seat") << "<seats " + g + " chain='78'><seat jid='a@b' name='A'/></seats>" << "not 39 links";
        QTest::newRow("full address") << "<seats " + g + " chain='39'><seat jid='a@b/home' name='A'/></seats>" << "no bare address";
        QTest::newRow("child of a throw") << "<throw " + g + "><seat/></throw>" << "inside the command";
        QTest::newRow("text in a throw") << "<throw " + g + ">now</throw>" << "text inside";
        QTest::newRow("two commands") << "<throw " + g + "/><throw " + g + "/>" << "not well-formed";
        QTest::newRow("not XML") << QByteArray("throw") << "not well-formed";
        QTest::newRow("a DTD") << "<!DOCTYPE t [<!ENTITY x 'xx'>]><throw " + g + "/>" << "document type";
        QTest::newRow("over 16 KiB") << "<throw " + g + ">" + QByteArray(16 * 1024, ' ') + "</throw>" << "more than 16 KiB";
    }
    void malformed()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QString, fault);
        const OnlineReading reading = OnlineCommand::Read(payload);
        QVERIFY2(!reading.command && reading.fault.contains(fault), qPrintable(reading.fault));
    }

    // A message from a copy that the rules refuse stops every other copy, naming the move and
    // its sender; one they cannot use is passed over and logged, and the game goes on.
    void forged_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QByteArray>("element");
        QTest::addColumn<QString>("outcome");
        const QString stop = "%1's copy sent a move this game does not allow (%2): the copies are out of step, and the game cannot go on.";
        QTest::newRow("out of turn") << "" << "bea" << QByteArray("<throw %1/>") << stop.arg("Bea", "a throw");
        QTest::newRow("fourth throw") << "t t t" << "ada" << QByteArray("<throw %1/>") << stop.arg("Ada", "a throw");
        QTest::newRow("hold before a throw") << "" << "ada" << QByteArray("<hold %1 die='3' held='1'/>") << stop.arg("Ada", "holding die 3");
        QTest::newRow("box scored") << "t sOnes c t sFives c t" << "ada" << QByteArray("<score %1 box='lblOnes'/>") << stop.arg("Ada", "scoring Ones");
        QTest::newRow("undo passed on") << "t sOnes c" << "bea" << QByteArray("<undo %1/>") << stop.arg("Bea", "taking the last score back");
        QTest::newRow("digest differs") << "t sOnes c" << "bea" << "<digest %1 turn='1' value='" + QByteArray(64, '0') + "'/>"
                                        << "The game on Bea's copy differs from this one after turn 1: the copies are out of step, and the game cannot go on.";
        QTest::newRow("replayed n") << "t" << "ada" << QByteArray("<throw %2/>") << "a replay or a gap";
        QTest::newRow("stranger") << "t" << "eve" << QByteArray("<hold %1 die='1' held='1'/>") << "not its to send";
        QTest::newRow("1 MiB") << "t" << "ada" << QByteArray(1 << 20, ' ') << "more than 16 KiB";
        QTest::newRow("a DTD") << "t" << "ada" << QByteArray("<!DOCTYPE throw><throw %1/>") << "document type";
    }
    void forged()
    {
        QFETCH(QString, script);
        QFETCH(QString, from);
        QFETCH(QByteArray, element);
        QFETCH(QString, outcome);
        Room room({"Ada", "Bea"});
        room.Play(script);
        const QString jid = from + "@example.org";
        const auto attributes = [&](int n) { return QString("xmlns='urn:quoxa:online:1' game='%1' n='%2'").arg(kGame).arg(n).toLatin1(); };
        room.Deliver(jid, QByteArray(element).replace("%1", attributes(room.sent[jid] + 1)).replace("%2", attributes(room.sent[jid])));
        for (auto &copy : room.copies) {
            const bool received = copy->jid != jid;
            const bool stops = outcome.endsWith("go on.");
            QCOMPARE(copy->stops, received && stops ? QStringList{outcome} : QStringList());
            QCOMPARE(copy->logs.size() == 1 && copy->logs[0].contains(outcome), received && !stops);
        }
    }

    // Bea's copy is cut short after her first throw: Ada's copy hears she is away, a computer
    // plays for her there, the dice from the shares still given; Bea's copy comes back with
    // the first link it kept, plays the room's history through, takes her seat again with
    // its next throw's link (skipping those it gave none for) and all finish alike.
    void cutShortAndBack()
    {
        Room room({"Ada", "Bea", "Cy"});
        Room::Copy &ada = *room.copies[0];
        room.Play("t sx c t");
        room.copies[1]->gone = true;
        ada.session.SetPresent("bea@example.org", false);
        QCOMPARE(ada.session.Absence(2), "Bea is away: the game waits for Bea.");
        ada.session.Away(2, 4);
        room.Flush();
        room.Play("h1 t sx c t sx c t sx c t");
        ada.session.SetPresent("bea@example.org", true);
        room.Restart(1);
        QCOMPARE(ada.news, (QStringList{"Bea is away: the game waits for Bea.", "A computer plays for Bea (Expert).", "Bea is back.", "Bea plays again."}));
        QCOMPARE(room.Mover().jid, "bea@example.org");
        QCOMPARE(room.copies[1]->game.Record().turns.size(), ada.game.Record().turns.size());
        for (room.Play("sx"); ada.session.phase() == OnlineSession::Phase::Playing; room.Play("c t sx"))
            ;
        const GameRecord record = ada.game.Record();
        QVERIFY(record.Over());
        QCOMPARE(record.Fault(), QString());
        QVERIFY(!record.shared->reveals[1][1].isEmpty() && record.shared->reveals[2][1].isEmpty() && record.shared->reveals[5][1].isEmpty() && !record.shared->reveals[6][1].isEmpty());
        for (auto &copy : room.copies) {
            GameRecord kept = copy->game.Record();
            kept.started = record.started;
            QCOMPARE(GameFiles::Line(kept), GameFiles::Line(record));
            QVERIFY2(copy->stops.isEmpty() && copy->logs.isEmpty(), qPrintable((copy->stops + copy->logs).join('\n')));
        }
    }

    // A copy that leaves for good: its seat waits until the host has a computer play it; the
    // host leaving ends the game on every copy.
    void leaving_data()
    {
        QTest::addColumn<int>("leaver");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("Cy") << 2 << QStringList{"Cy has left the game.", "A computer plays for Cy (Beginner)."};
        QTest::newRow("the host") << 0 << QStringList{"Ada, who hosts the game, has left it: the game is over."};
    }
    void leaving()
    {
        QFETCH(int, leaver);
        QFETCH(QStringList, heard);
        Room room({"Ada", "Bea", "Cy"});
        room.Play("t sx c t sx c");
        room.copies[std::size_t(leaver)]->session.Leave();
        room.Flush();
        Room::Copy &bea = *room.copies[1], &ada = *room.copies[0];
        if (leaver == 0) {
            QCOMPARE(bea.stops, heard);
            QCOMPARE(room.copies[2]->stops, heard);
            return;
        }
        QCOMPARE(ada.session.Absence(3), heard[0]);
        QVERIFY(!bea.session.OwnTurn() && !ada.session.OwnTurn());
        ada.session.Away(3, 1);
        room.Flush();
        for (room.Play("t sx"); ada.session.phase() == OnlineSession::Phase::Playing; room.Play("c t sx"))
            ;
        QCOMPARE(bea.news, heard);
        QCOMPARE(bea.game.Record().Fault(), QString());
        QVERIFY(bea.game.Record().Over() && bea.stops.isEmpty() && bea.logs.isEmpty());
    }

    // A share that does not hash to what its copy revealed before stops every other copy.
    void forgedShare()
    {
        Room room({"Ada", "Bea", "Cy"});
        room.Play("t sOnes c");
        room.tamper = [](const QString &from, const QByteArray &payload) {
            QByteArray forged = payload;
            if (const qsizetype at = payload.indexOf("link=\"") + 6; from == "bea@example.org" && payload.startsWith("<reveal"))
                forged[at] = payload[at] == '0' ? '1' : '0';
            return forged;
        };
        room.Play("t");
        const QString message = "Bea's dice share does not match what Bea's copy promised: the game cannot go on.";
        QCOMPARE(room.copies[0]->stops + room.copies[1]->stops + room.copies[2]->stops, (QStringList{message, message}));
        QCOMPARE(room.copies[0]->session.phase(), OnlineSession::Phase::Stopped);
        QVERIFY(room.copies[0]->game.Record().turns.back().throws.empty()); // its dice never came
    }
};

QTEST_MAIN(ProtocolTest)
#include "tst_protocol.moc"
