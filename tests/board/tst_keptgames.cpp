// Every game kept, whatever the world does: games under way come back after closing and after
// kills, one to each copy of the game; a damaged one is put aside; a game a new one ends is
// kept unfinished; finished games survive torn, impossible and endless lines, files of any
// size, two copies at once and trimming; names stay text; nothing moves once the board has
// closed; and the statistics window shows the figures.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "records/GameFiles.h"
#include "records/GameKeeper.h"
#include "settings/basMain.h"

#include <QAccessible>
#include <QBarSeries>
#include <QChartView>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QComboBox>
#include <QMessageBox>
#include <QProcess>
#include <QHeaderView>
#include <QLayout>
#include <QTableWidget>
#include <QValueAxis>
#include <numeric>

using namespace quoxa;
using namespace quoxa::test;

namespace {

QStringList Kept()
{
    QStringList names;
    for (const GameRecord &game : GameFiles::ReadKept().games)
        names << game.players[0].name + (game.unfinished ? "?" : "");
    return names;
}

} // namespace

class KeptGamesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); SolvedStrategy(); }
    void init()
    {
        ClearStore();
        QDir().mkpath(GameFiles::Folder());
    }

    // Closed in the middle of a turn, with a die held since the last throw: the game comes
    // back as it was, and Undo still takes back the last score.
    void gameComesBackAfterClosing()
    {
        ScriptedRandom random("223331234566666");
        QString seen;
        {
            frmMain board(&random);
            board.cmdThrow_Click();
            board.game().RecordScore(u"lblFullHouse");
            board.mnuEditUndo_Click();
            board.cmdThrow_Click();
            board.fraDie_Click(3);
            seen = BoardText(&board);
            board.close();
        }
        frmMain again(&random);
        QCOMPARE(BoardText(&again), seen);
        again.cmdThrow_Click(); // the held 3 stays, the rest are thrown
        QCOMPARE(Find(&again, "shpDie(3)")->property("Tag"), "3");
        again.game().RecordScore(u"lblChance");
        QCOMPARE(Find<QLabel>(&again, "lblChance")->text(), "27");
    }

    // Closed while a computer's score was in sight: the game comes back at the next player's turn.
    void computersFinishedTurnPassesOn()
    {
        StoreSettings({{"Player Count", "2"}, {"Computer 2", "True"}, {"Computer Delay", "5000"}, {"Sounds", "False"}});
        {
            frmMain board;
            board.cmdThrow_Click();
            board.game().RecordScore(u"lblChance");
            for (int press = 0; press < 2; ++press) // Continue: the computer's turn; then hurried to its score
                board.cmdThrow_Click();
            // Hurried, within one pause: unhurried it would take two or more.
            QTRY_COMPARE_WITH_TIMEOUT(board.game().turn().mstrState + board.game().turn().mintPlayer.toString(), "Continue2", 8000);
            board.close();
        }
        frmMain again;
        QCOMPARE(again.game().turn().mstrState + again.game().turn().mintPlayer.toString() + Find<QLabel>(&again, "stbMain(1)")->text(),
                 "Throw 01Throw the dice.");
    }

    // Two copies of the game play at once and are killed: each game comes back, one to each
    // copy started again, with the Options following its players (a person's level as
    // chosen); closed again in either order, both come back once more.
    void twoCopiesKeepTheirGames()
    {
        Store("Game Settings", "Computer Level 1", "5");
        QStringList seen;
        std::vector<std::unique_ptr<QProcess>> copies;
        for (const char *count : {"2", "1"}) {
            StoreSettings({{"Player Count", count}, {"Player 1", count == QByteArray("2") ? "Ann" : "Bob"}});
            copies.push_back(std::make_unique<QProcess>());
            copies.back()->start(QStringLiteral(STORE_WRITER), {"play"});
            QTRY_VERIFY_WITH_TIMEOUT(copies.back()->canReadLine(), 20000);
            seen << QString::fromUtf8(copies.back()->readLine()).trimmed();
        }
        for (auto &copy : copies) {
            copy->kill();
            QVERIFY(copy->waitForFinished());
        }
        auto first = std::make_unique<frmMain>(); // Ann's, kept first
        QCOMPARE(BoardText(first.get()) + QString::number(gintPlayerCount.value()) + QString::number(gintComputerLevel[0]),
                 seen[0] + "25");
        auto second = std::make_unique<frmMain>();
        QCOMPARE(BoardText(second.get()), seen[1]);
        QCOMPARE(frmMain().game().turn().mintScored.value(), 0); // a third copy: a new game
        second->close();
        first->close();
        second.reset();
        first.reset();
        frmMain again, andAgain;
        QCOMPARE(QSet<QString>({BoardText(&again), BoardText(&andAgain)}), QSet<QString>(seen.begin(), seen.end()));
    }

    // Another copy holds the store for a while as two computers play: the game plays on, the
    // game under way on the disk never goes back to a state older than one it held, it is
    // written anew within a second of the release, and one notice tells what waits.
    void lockHeldWhileComputersPlay()
    {
        StoreSettings({{"Player Count", "2"}, {"Computer 1", "True"}, {"Computer 2", "True"}, {"Computer Delay", "40"}});
        const auto throws = [](const std::optional<GameRecord> &game) {
            return game ? std::accumulate(game->turns.begin(), game->turns.end(), 0, [](int n, const GameRecord::Turn &turn) { return n + int(turn.throws.size()); }) : 0;
        };
        const auto onDisk = [&] { return throws(GameFiles::FromJson(QJsonDocument::fromJson(FileText(GameFiles::SlotPath(1))).object())); };
        ErrorRecorder errors;
        frmMain board;
        QTRY_VERIFY(onDisk() > 0);
        int seen = onDisk(), atRelease = 0;
        {
            const HeldStoreLock lock;
            for (QElapsedTimer held; !held.isValid() || held.elapsed() < 1500; held.isValid() || (held.start(), true)) {
                QTest::qWait(15);
                QVERIFY(onDisk() >= seen);
                seen = onDisk();
            }
            atRelease = throws(board.game().Record());
            QVERIFY(atRelease > seen + 1); // played on meanwhile
        }
        QTRY_VERIFY_WITH_TIMEOUT(onDisk() >= atRelease, 1000);
        QCOMPARE(errors.messages.size(), 1);
    }

    // A game under way that cannot be read or is not a possible game is put aside, the player
    // is told, and a new game begins.
    void damagedGameIsPutAside()
    {
        const QByteArray game = Line(Finished("Ada")), straight = "lblLargeStraight 40";
        for (const QByteArray &text : {game.left(60), QByteArray("[1, 2]"), QByteArray(game).replace(straight, "lblLargeStraight 30"), // cut short, not a game
                                       QByteArray(game).replace(straight, "lblLargeStraight 99999"), // beyond any sheet
                                       QByteArray(game).replace(straight, "lblLargeStraight -2147483648"), // below any
                                       QByteArray(game).replace("]}", "],\"dice\":\"code HTNX-HYBM\"}"), // dice of no code
                                       QByteArray(game).replace("{\"name\":\"Ada\"}", QByteArray("{\"name\":\"Ada\"},").repeated(5).chopped(1))}) {
            init();
            WriteFile(GameFiles::SlotPath(1), text);
            ErrorRecorder errors;
            frmMain board;
            QTRY_COMPARE(errors.messages.size(), 1);
            QVERIFY(errors.messages[0].contains("Game.json.damaged"));
            QVERIFY(FileText(GameFiles::SlotPath(1) + ".damaged") == text && !QFile::exists(GameFiles::SlotPath(1)));
            QCOMPARE(board.game().turn().mstrState + board.game().turn().mintScored.toString(), "Throw 00");
        }
    }

    // A new game over a game under way keeps that one among the finished games, marked
    // unfinished: shown at once in the open statistics' games box, open to review, counted in
    // no figure.
    void newGameKeepsTheGameUnderWay()
    {
        frmMain board;
        board.mnuGameStatistics_Click();
        auto *window = Find(&board, "frmStatistics");
        board.cmdThrow_Click();
        board.mnuGameNew_Click();
        QCOMPARE(Kept(), QStringList{"Player 1?"});
        QVERIFY(!QFile::exists(GameFiles::SlotPath(1)));
        QVERIFY(Find<QComboBox>(window, "cboGame")->currentText().endsWith("Player 1 0 (not finished)"));
        QVERIFY(Rows(window, "lvwStatistics").isEmpty());
        Find<QPushButton>(window, "cmdReview")->click();
        QTRY_COMPARE(Rows(Find(&board, "frmReview"), "lvwSummary").size(), 1);
    }

    // Finished games: a torn last line and lines of impossible games or numbers are passed
    // over; two copies ending games at once keep every game; a game kept twice is there once;
    // a thousand games kept, the oldest goes for the next; much that is no game goes at once;
    // and files of any size.
    void finishedGames()
    {
        const QByteArray torn = Line(Finished("Torn")).left(80), ada = Line(Finished("Ada"));
        GameRecord notOver = Finished("Ada");
        notOver.turns.pop_back();
        WriteFile(GameFiles::FinishedPath(), ada + QByteArray(ada).replace("lblLargeStraight 40", "lblLargeStraight 99999") +
                                             Line(notOver) + torn);
        QCOMPARE(Kept(), QStringList{"Ada"});
        QProcess a, b;
        a.start(QStringLiteral(STORE_WRITER), {"finish", "A", "25"});
        b.start(QStringLiteral(STORE_WRITER), {"finish", "B", "25"});
        QVERIFY(a.waitForFinished() && b.waitForFinished());
        GameKeeper().Keep(Finished("A-1"));
        const QStringList names = Kept();
        QCOMPARE(names.size(), 51);
        QCOMPARE(names.filter("A-").size() + names.filter("B-").size(), 50);
        QVERIFY(FileText(GameFiles::FinishedPath()).contains(torn + '\n'));

        const QByteArray impossible = QByteArray(ada).replace("lblLargeStraight 40", "lblLargeStraight 30");
        WriteFile(GameFiles::FinishedPath(), Line(Finished("Old")) + impossible.repeated(4000));
        GameKeeper().Keep(Finished("New"));
        QCOMPARE(Kept(), (QStringList{"Old", "New"}));
        QCOMPARE(QFileInfo(GameFiles::FinishedPath()).size(), Line(Finished("Old")).size() + Line(Finished("New")).size());

        // Whatever its size, the file is read from its end: one over 64 MiB gives its last
        // thousand games and is trimmed without a duplicate; a line of 50 MB is passed over.
        WriteFile(GameFiles::FinishedPath(), Line(Finished("Old")).repeated(65 * 1024 * 1024 / Line(Finished("Old")).size() + 1));
        QCOMPARE(Kept().size(), GameFiles::kKeptGames);
        for (int twice = 0; twice < 2; ++twice)
            GameKeeper().Keep(Finished("New"));
        QCOMPARE(Kept().filter("New"), QStringList{"New"});
        QCOMPARE(Kept().size(), GameFiles::kKeptGames);
        QVERIFY(QFileInfo(GameFiles::FinishedPath()).size() < 1024 * 1024);

        const QByteArray five = Line(Finished("Ada")).repeated(5);
        WriteFile(GameFiles::FinishedPath(), five + "{\"players\":[{\"name\":\"" + QByteArray(50'000'000, 'x') + "\"}]}\n" + five);
        frmMain board;
        board.mnuGameStatistics_Click();
        QCOMPARE(Rows(Find(&board, "frmStatistics"), "lvwStatistics").value(0).section(u'=', 0, 1), "Ada=10");
    }

    // A player's name is text wherever the game shows it, never markup: in the narration of
    // a computer's turn, the ranking at the end, and the review's moment line. The score card
    // of the day's game, Copy Result on it, has its table as wide as the lines below it.
    void namesAreText()
    {
        const QString name = "<b>A</b><img src=/etc/x>";
        StoreSettings({{"Player 1", name}, {"Computer 1", "True"}});
        frmMain board;
        const auto shown = [&](QWidget *window, const char *label) {
            auto *text = Find<QLabel>(window, label);
            return text->textFormat() == Qt::PlainText && text->text().contains(name);
        };
        QVERIFY(shown(&board, "stbMain(1)"));
        gintPlayerCount = 2;
        Find<QAction>(&board, "mnuGameDaily")->trigger();
        PlayTo(board.game(), u"Game Over");
        board.mnuViewScoreCard_Click();
        QVERIFY(shown(Find(&board, "frmScoreCard"), "lblRanking"));
        QTRY_COMPARE(Find(&board, "grdScoreCard")->width() * Find(&board, "cmdCopyResult")->isVisible(), Find(&board, "frmScoreCard")->layout()->contentsRect().width());
        const QHeaderView *names = Find<QTableWidget>(&board, "grdScoreCard")->horizontalHeader(); // the long name whole
        QVERIFY(names->sectionSize(0) >= names->sectionSizeHint(0) && names->sectionSize(0) > names->sectionSize(1));
        board.ShowReview(Finished(name));
        auto *decisions = Find<QTreeWidget>(Find(&board, "frmReview"), "lvwDecisions");
        QTRY_VERIFY(decisions->topLevelItemCount() > 0);
        decisions->setCurrentItem(decisions->topLevelItem(0));
        QVERIFY(shown(Find(&board, "frmReview"), "lblMoment"));
    }

    // An open review of the game under way follows it, score by score, an Undo too; the review
    // of another game stays as it is while the game goes on.
    void reviewFollowsTheGame()
    {
        ScriptedRandom random("22333");
        frmMain board(&random);
        board.mnuGameReview_Click();
        const auto played = [&] { return Rows(Find(&board, "frmReview"), "lvwDecisions", 4).join(u',').section(u'=', 0, 0) + "/"; };
        board.cmdThrow_Click();
        board.game().RecordScore(u"lblFullHouse");
        QString seen = played();
        board.mnuEditUndo_Click();
        seen += played();
        board.game().RecordScore(u"lblThrees");
        QCOMPARE(seen + played(), "score Full House (25)//score Threes (9)/");
        board.ShowReview(Finished("Ada"));
        seen = played();
        board.cmdThrow_Click();
        QCOMPARE(played(), seen);
    }

    // Closed while computers move and its figure windows are open: nothing of the game moves
    // afterwards.
    void nothingMovesOnceClosed()
    {
        StoreSettings({{"Computer 1", "True"}, {"Computer 2", "True"}, {"Player Count", "2"}, {"Computer Delay", "0"}});
        auto board = std::make_unique<frmMain>();
        board->show();
        board->mnuGameStatistics_Click();
        board->mnuGameReview_Click();
        QTRY_VERIFY(board->game().turn().mintScored > 1);
        board->close();
        const QString closed = BoardText(board.get());
        QTest::qWait(100);
        QCOMPARE(BoardText(board.get()), closed);
    }

    // A temporary file that a save of the settings cut short left behind is cleared by the
    // next save of any file written under the lock, a game's included.
    void leftoverOfAnotherSaveCleared()
    {
        Store("Game Settings", "Sounds", "False");
        const QString leftover = StoreFolder() + "/Quoxa.conf.Ab12Cd";
        WriteFile(leftover, "half a save");
        WriteFile(StoreFolder() + "/Quoxa.lock", QFile::encodeName(leftover));
        GameKeeper keeper;
        GameRecord begun = Finished("Ada");
        begun.turns.resize(1);
        keeper.Keep(begun);
        QVERIFY(!QFile::exists(leftover) && QFile::exists(GameFiles::SlotPath(1)));
    }

    // The statistics of known games and of one finished while they are open, the chart of the
    // player selected, and Clear after a yes.
    void statisticsWindow()
    {
        // Worked by hand: 475 points with both bonuses, 100 for straights; a shared win counts.
        // Bea's 199 has an upper total of 63 (no bonus) and 50 in the Quoxa box.
        const GameRecord::Player ada{"Ada"}, bea{"Bea"}, cy2{"Cy", true, 2}, cy5{"Cy", true, 5};
        for (const GameRecord &game : {FinishedGame({{ada, kPerfect}, {bea, kStraights}}), FinishedGame({{ada, kStraights}}),
                                       FinishedGame({{bea, kUpper63}}), FinishedGame({{cy2, kPerfect}})})
            GameKeeper().Keep(game);
        frmMain board;
        board.mnuGameStatistics_Click();
        auto *window = Find(&board, "frmStatistics");
        static_cast<Board &>(board).KeepRecord(FinishedGame({{cy5, kStraights}, {ada, kStraights}}));
        QCOMPARE(Rows(window, "lvwStatistics"), (QStringList{"Ada=3=2 of 2=225.0=475=216.5=33%=33%=0=-=-", "Bea=2=0 of 1=149.5=199=70.0=0%=50%=0=-=-",
                                                               "Cy (computer, Casual)=1=-=475.0=475=0.0=100%=100%=0=-=-",
                                                               "Cy (computer, Perfect)=1=1 of 1=100.0=100=0.0=0%=0%=0=-=-"}));
        // The chart of Cy's one game at level 2 counts its games in whole numbers: 0, 1; its one
        // bar an eighth of the plot wide.
        Find<QTreeWidget>(window, "lvwStatistics")->setCurrentItem(Find<QTreeWidget>(window, "lvwStatistics")->topLevelItem(2));
        QCOMPARE(qobject_cast<QBarSeries *>(Find<QChartView>(window, "chart")->chart()->series().value(0))->barWidth(), 0.125);
        const auto *counts = qobject_cast<QValueAxis *>(Find<QChartView>(window, "chart")->chart()->axes(Qt::Vertical).value(0));
        QCOMPARE((QList<qreal>{counts->min(), counts->max(), counts->tickInterval(), qreal(counts->tickType())}), (QList<qreal>{0, 1, 1, QValueAxis::TicksDynamic}));
        QVERIFY(Find<QComboBox>(window, "cboGame")->currentText().endsWith(": Cy 100, Ada 100")); // the newest first
        const QAccessibleTextInterface *game = QAccessible::queryAccessibleInterface(Find(window, "cboGame"))->textInterface();
        QVERIFY(game && game->text(0, game->characterCount()).endsWith(": Cy 100, Ada 100")); // and says so to a reader
        Find<QPushButton>(window, "cmdReview")->click();
        QTRY_COMPARE(Rows(Find(&board, "frmReview"), "lvwSummary", 6).value(0), "252.28 + 131.04 luck − 283.32 lost = 100");
        Find<QPushButton>(window, "cmdClear")->click();
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No)); // No unless chosen
        QVERIFY(!GameFiles::ReadKept().games.empty()); // nothing cleared before the answer
        box->button(QMessageBox::Yes)->click();
        QVERIFY(GameFiles::ReadKept().games.empty() && Rows(window, "lvwStatistics").isEmpty());
        QTRY_COMPARE(Find<QLabel>(window, "chart")->text(), "No finished games yet.");
    }
};

QTEST_MAIN(KeptGamesTest)
#include "tst_keptgames.moc"
