// A whole game online between two boards in one program, through a private prosody, played by
// the windows' own controls: Ada hosts, Bea joins from the invitation, and each copy sees every
// throw, hold, score and undo; neither can move in the other's turns. Both end with the same
// game, kept with its room and the seats' addresses.
#include "TestServer.h"
#include "board/frmMain.h"
#include "online/frmOnline.h"
#include "settings/basMain.h"

#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

using namespace quoxa;
using namespace quoxa::test;

namespace {

struct Copy {
    ClockRandomSource random; // the dice come from the shares: this draws only the computer's moves
    frmMain board{&random};
    online::frmOnline *window = nullptr;

    template <typename T = QWidget>
    T *Control(const char *name) const { return Find<T>(window, QLatin1String(name)); }
    const TurnVariables &Turn() { return board.game().turn(); }
    // The game as played so far, without when this copy began it, and what it keeps of its own.
    QJsonObject Played()
    {
        QJsonObject played = GameFiles::ToJson(board.game().Record());
        for (const QString &own : {u"started"_qs, u"me"_qs, u"chain"_qs})
            played.remove(own);
        return played;
    }
    void Press(const QString &name) { QTest::mouseClick(Find(&board, name), Qt::LeftButton); }
    // A throw, the first box open scored and the turn passed on, seen on the other copy.
    void PlayTurn(Copy &other)
    {
        const int player = Turn().mintPlayer.value();
        Press(u"cmdThrow"_qs);
        QTRY_COMPARE(Turn().mstrState, u"Throw 1"_qs);
        const auto open = std::ranges::find_if(SheetCategories(), [&](const SheetRow *row) { return board.game().CurrentSheet().*row->field == PlayerSheet::kUnscored; });
        Press((*open)->label.toString());
        if (Turn().mstrState == u"Continue")
            Press(u"cmdThrow"_qs);
        QTRY_VERIFY(other.Turn().mintPlayer != player || other.Turn().mstrState == u"Game Over");
    }
};

} // namespace

class tst_online_game : public QObject {
    Q_OBJECT

    TestServer mServer;

    std::unique_ptr<Copy> Opened(const QString &account)
    {
        auto copy = std::make_unique<Copy>();
        copy->board.show();
        copy->board.mnuGameOnline_Click();
        copy->window = Find<online::frmOnline>(&copy->board, QStringLiteral("frmOnline"));
        copy->window->UseServerForTests(QStringLiteral("127.0.0.1"), mServer.port, mServer.Authority());
        copy->Control<QLineEdit>("txtAccount")->setText(account + QStringLiteral("@localhost"));
        copy->Control<QLineEdit>("txtPassword")->setText(account + QStringLiteral("-secret"));
        return copy;
    }

private slots:
    void initTestCase()
    {
        UseScratchSettings();
        SolvedStrategy();
        Store("Game Settings", "Sounds", "False");
        Store("Game Settings", "Computer Delay", "0");
        // No desktop keyring to be found: no session bus, nor a way to start one.
        for (const char *name : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY"})
            qunsetenv(name);
        qputenv("XDG_RUNTIME_DIR", mServer.dir.path().toLocal8Bit());
        const QByteArray said = mServer.Start();
        if (mServer.Missing())
            QSKIP("prosody or openssl is not installed");
        QVERIFY2(mServer.port, said);
    }

    void aWholeGame()
    {
        auto closer = WhenShown<QDialog>([](QDialog *dialog) { dialog->done(0); }); // the celebration, the high scores
        const auto ada = Opened(QStringLiteral("ada")), bea = Opened(QStringLiteral("bea"));
        gstrPlayerName[0] = QStringLiteral("Ada");
        QVERIFY(!ada->Control("cmdStart")->isEnabled());
        QStringList told; // Ada asks for her password to be kept, and is told that it cannot be
        const Messages::Sink sink = Messages::SetSink([&](Messages::Kind, const QString &text) { told << text; });
        ada->Control<QCheckBox>("chkRemember")->setChecked(true);
        QTest::mouseClick(ada->Control("cmdHost"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(ada->Control<QLineEdit>("txtInvitation")->text().startsWith(u"xmpp:quoxa-"), 10000);
        QTRY_COMPARE(told.size(), 1);
        QVERIFY2(told[0].startsWith(u"Your password cannot be kept: the desktop's keyring does not answer ("), qPrintable(told[0]));
        Messages::SetSink(sink);
        QVERIFY(ada->Control("cmdStart")->isEnabled());
        gstrPlayerName[0] = QStringLiteral("Bea");
        bea->Control<QLineEdit>("txtInvitation")->setText(u"xmpp:conference.localhost?join"_qs); // no room in it: told so
        QTest::mouseClick(bea->Control("cmdJoin"), Qt::LeftButton);
        QCOMPARE(bea->Control<QLabel>("lblOnlineStatus")->text(), u"Paste the invitation, as xmpp:game@conference.example.org?join."_qs);
        bea->Control<QLineEdit>("txtInvitation")->setText(ada->Control<QLineEdit>("txtInvitation")->text());
        QTest::mouseClick(bea->Control("cmdJoin"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(Rows(ada->window, QStringLiteral("lvwSeats")),
                                  (QStringList{u"Ada=ada@localhost=Person"_qs, u"Bea=bea@localhost=Person"_qs}), 10000);
        QVERIFY(!bea->Control("cmdStart")->isEnabled()); // only the host seats the players
        QTest::mouseClick(ada->Control("cmdStart"), Qt::LeftButton);
        QTRY_VERIFY(ada->board.Online() && bea->board.Online());
        QCOMPARE(Rows(bea->window, QStringLiteral("lvwSeats")), Rows(ada->window, QStringLiteral("lvwSeats")));

        const std::array<Copy *, 2> seats{ada.get(), bea.get()};
        for (int turn = 0; turn < 26; ++turn) {
            Copy &mover = *seats[std::size_t(turn % 2)], &other = *seats[std::size_t(1 - turn % 2)];
            QCOMPARE(mover.Turn().mintPlayer.value(), turn % 2 + 1);
            other.Press(u"cmdThrow"_qs); // not the other's turn: refused on the spot, nothing sent
            QCOMPARE(other.Turn().mstrState, u"Throw 0"_qs);
            mover.Press(u"cmdThrow"_qs);
            QTRY_COMPARE(other.Turn().mstrState, u"Throw 1"_qs);
            QTRY_COMPARE(mover.Turn().mstrState, u"Throw 1"_qs);
            QCOMPARE(Find<QLabel>(&other.board, u"stbMain(1)"_qs)->text(), mover.Turn().mintPlayer == 1 ? u"Ada plays on another copy of the game."_qs : u"Bea plays on another copy of the game."_qs);
            if (turn % 5 == 0) { // a die held, and the throw after it, seen on both boards
                mover.Press(u"fraDie(2)"_qs);
                QTRY_VERIFY(other.board.game().Held(2));
                mover.Press(u"cmdThrow"_qs);
                QTRY_COMPARE(other.Turn().mstrState, u"Throw 2"_qs);
                QTRY_COMPARE(mover.Turn().mstrState, u"Throw 2"_qs);
            }
            const PlayerSheet &sheet = mover.board.game().CurrentSheet();
            std::vector<const SheetRow *> open;
            for (const SheetRow &row : kScoreSheet)
                if (row.isCategory() && (sheet.*row.field).value() == PlayerSheet::kUnscored)
                    open.push_back(&row);
            if (turn % 7 == 3 && open.size() > 1) { // scored, taken back, scored elsewhere
                mover.Press(open.back()->label.toString());
                QTRY_COMPARE(other.Turn().mstrState, u"Continue"_qs);
                mover.board.mnuEditUndo_Click();
                QTRY_VERIFY(other.Turn().mstrState.startsWith(u"Throw "));
            }
            mover.Press(open.front()->label.toString());
            QTRY_COMPARE(other.Turn().mstrState, turn == 25 ? u"Game Over"_qs : u"Continue"_qs);
            if (turn < 25) {
                other.Press(u"cmdThrow"_qs); // nor may the other pass the turn on
                mover.Press(u"cmdThrow"_qs);
                QTRY_COMPARE(other.Turn().mintPlayer.value(), 2 - turn % 2);
            }
            QCOMPARE(other.Played(), mover.Played()); // the same dice, holds and scores
        }
        QCOMPARE(ada->board.Online()->phase(), OnlineSession::Phase::Over);
        QCOMPARE(Find<QLabel>(&ada->board, u"stbMain(1)"_qs)->text(), u"Game Over."_qs); // not Bea's turn still
        QCOMPARE(ada->board.game().Record().Fault(), QString());

        // Each copy kept the finished game with the room and the seats' addresses.
        const QString room = ada->Control<QLineEdit>("txtInvitation")->text().mid(5).chopped(5);
        QTRY_VERIFY(!GameFiles::ReadKept().games.empty());
        for (const GameRecord &game : GameFiles::ReadKept().games) {
            QVERIFY(game.shared->chain.isEmpty() && game.shared->me.isEmpty()); // nothing to go back to
            QVERIFY(game.shared);
            QCOMPARE(game.shared->room, room);
            QCOMPARE(game.shared->addresses, (std::vector<QString>{u"ada@localhost"_qs, u"bea@localhost"_qs}));
            QCOMPARE(game.turns.size(), 26u);
        }
    }

    // Four seats on two copies: Ada and a computer on hers, Bea invited and joining, then a
    // second computer. Bea's copy is closed in her turn; Ada's copy says she is away, and a
    // computer plays for her there. A screen reader hears the others' throws and scores. Bea's copy comes back from what it kept of the game and
    // the room's history, takes her seat again, and the game is played to its end alike.
    void fourSeatsCutShortAndBack()
    {
        const SpokenLines spoken;
        const auto ada = Opened(QStringLiteral("ada"));
        auto bea = Opened(QStringLiteral("bea"));
        auto yes = WhenShown<QMessageBox>([](QMessageBox *box) {
            QCOMPARE(box->text(), u"ada@localhost invites you to a game. Join?"_qs);
            box->button(QMessageBox::Yes)->click();
        });
        gstrPlayerName[0] = QStringLiteral("Ada");
        QTest::mouseClick(ada->Control("cmdHost"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(ada->Control("cmdAddComputer")->isEnabled(), 10000);
        gstrPlayerName[0] = QStringLiteral("Bea");
        ada->Control<QComboBox>("cboLevel")->setCurrentIndex(4);
        QTest::mouseClick(ada->Control("cmdAddComputer"), Qt::LeftButton);
        bea->Control<QLineEdit>("txtInvitation")->setText(u"xmpp:gone@conference.localhost?join"_qs); // online, in no room
        QTest::mouseClick(bea->Control("cmdJoin"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(bea->Control<QLabel>("lblOnlineStatus")->text(), online::XmppLink::ProblemText(online::LinkProblem::RoomGone), 10000);
        ada->Control<QLineEdit>("txtFriend")->setText(QStringLiteral("bea@localhost"));
        QTest::mouseClick(ada->Control("cmdInvite"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(Rows(ada->window, QStringLiteral("lvwSeats")).size(), 3, 10000);
        ada->Control<QComboBox>("cboLevel")->setCurrentIndex(0);
        QTest::mouseClick(ada->Control("cmdAddComputer"), Qt::LeftButton);
        QCOMPARE(Rows(ada->window, QStringLiteral("lvwSeats")),
                 (QStringList{u"Ada=ada@localhost=Person"_qs, u"Computer 2=ada@localhost=Perfect"_qs, u"Bea=bea@localhost=Person"_qs, u"Computer 4=ada@localhost=Beginner"_qs}));
        yes.reset();
        const auto closer = WhenShown<QDialog>([](QDialog *dialog) { dialog->done(0); }); // the celebration, the high scores
        QTest::mouseClick(ada->Control("cmdStart"), Qt::LeftButton);
        QTRY_VERIFY(ada->board.Online() && bea->board.Online());

        for (int round = 0; ada->Turn().mstrState != u"Game Over"; ++round) {
            ada->PlayTurn(*bea);
            QTRY_COMPARE_WITH_TIMEOUT(bea->Turn().mintPlayer.value(), 3, 10000); // the computer's turn played on Ada's copy
            if (round != 2) {
                bea->PlayTurn(*ada);
                QTRY_VERIFY_WITH_TIMEOUT(ada->Turn().mintPlayer == 1 || ada->Turn().mstrState == u"Game Over", 10000);
                continue;
            }
            bea->Press(u"cmdThrow"_qs);
            QTRY_COMPARE(ada->Turn().mstrState, u"Throw 1"_qs);
            bea.reset(); // closed, its game kept
            QTRY_COMPARE(Find<QLabel>(&ada->board, u"stbMain(1)"_qs)->text(), u"Bea is away: the game waits for Bea."_qs);
            QCOMPARE(Rows(ada->window, QStringLiteral("lvwSeats"))[2], u"Bea=bea@localhost=Away"_qs);
            auto *seats = ada->Control<QTreeWidget>("lvwSeats");
            seats->setCurrentItem(seats->topLevelItem(2));
            QTest::mouseClick(ada->Control("cmdStandIn"), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(ada->Turn().mintPlayer.value(), 1, 10000);
            QCOMPARE(Rows(ada->window, QStringLiteral("lvwSeats"))[2], u"Bea=bea@localhost=Computer: Beginner"_qs);

            bea = Opened(QStringLiteral("bea")); // finds the game it kept, and offers to go back to it
            QTRY_COMPARE(bea->Control<QLineEdit>("txtInvitation")->text(), ada->Control<QLineEdit>("txtInvitation")->text());
            QTest::mouseClick(bea->Control("cmdJoin"), Qt::LeftButton);
            QTRY_VERIFY2_WITH_TIMEOUT(bea->board.Online(), qPrintable(bea->Control<QLabel>("lblOnlineStatus")->text()), 10000);
            QTRY_COMPARE(Rows(ada->window, QStringLiteral("lvwSeats"))[2], u"Bea=bea@localhost=Person"_qs);
            QCOMPARE(bea->Played(), ada->Played());
        }
        QTRY_COMPARE(bea->Played(), ada->Played());
        QCOMPARE(ada->board.game().Record().Fault(), QString());
        QCOMPARE(ada->board.game().Record().turns.size(), 52u);
        for (const char *heard : {"Bea throws [1-6 ]+\\.", "Bea scores \\d+ in Ones\\. Bea's total \\d+\\.", "Bea is away: the game waits for Bea\\.",
                                  "A computer plays for Bea \\(Beginner\\)\\.", "Computer 2 keeps [1-6 ]+ and throws again\\. Computer 2 throws"})
            QVERIFY2(!spoken.lines.filter(QRegularExpression(QLatin1String(heard))).isEmpty(), heard);
    }
};

QTEST_MAIN(tst_online_game)
#include "tst_online_game.moc"
