// Every game kept: the game under way comes back after closing and after a kill, a damaged
// one is put aside; finished games survive a torn line, two copies at once and trimming; the
// statistics window shows their figures.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "platform/GameFiles.h"
#include "settings/basMain.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QMessageBox>
#include <QProcess>

using namespace quoxa;
using namespace quoxa::test;

namespace {

QByteArray Line(const GameRecord &game)
{
    return QJsonDocument(GameFiles::ToJson(game)).toJson(QJsonDocument::Compact) + '\n';
}

void Write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

QStringList Names(const std::vector<GameRecord> &games)
{
    QStringList names;
    for (const GameRecord &game : games)
        names << game.players[0].name;
    return names;
}

} // namespace

class KeptGamesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init()
    {
        ClearStore();
        QDir().mkpath(QFileInfo(GameFiles::CurrentPath()).absolutePath());
    }

    // Closed in the middle of a turn, with a die held since the last throw: the game comes
    // back as it was, and Undo still takes back the last score.
    void gameComesBackAfterClosing()
    {
        ScriptedRandom random;
        random.Queue("223331234566666");
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

    // Another copy of the game is killed in the middle of a two-player game: every step it
    // made comes back, and the Options follow its players.
    void gameComesBackAfterAKill()
    {
        Store("Game Settings", "Player Count", "2");
        QProcess player;
        player.start(QStringLiteral(STORE_WRITER), {"play"});
        QTRY_VERIFY_WITH_TIMEOUT(player.canReadLine(), 20000);
        const QString seen = QString::fromUtf8(player.readLine()).trimmed();
        player.kill();
        QVERIFY(player.waitForFinished());
        Store("Game Settings", "Player Count", "1");
        frmMain board;
        QCOMPARE(BoardText(&board), seen);
        QCOMPARE(gintPlayerCount, 2);
    }

    // A Game.json that cannot be read or is not a possible game is put aside, the player is
    // told, and a new game begins.
    void damagedGameIsPutAside_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray game = Line(FinishedGame({{{"Ada"}, kStraights}}));
        QTest::newRow("cut short") << game.left(60);
        QTest::newRow("not a game") << QByteArray("[1, 2]");
        QTest::newRow("a score its dice cannot make") << QByteArray(game).replace("lblLargeStraight 40", "lblLargeStraight 30");
        QTest::newRow("five players") << QByteArray(game).replace("{\"name\":\"Ada\"}", QByteArray("{\"name\":\"Ada\"},").repeated(5).chopped(1));
    }
    void damagedGameIsPutAside()
    {
        QFETCH(QByteArray, text);
        Write(GameFiles::CurrentPath(), text);
        ErrorRecorder errors;
        frmMain board;
        QTRY_COMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages[0].contains("Game.json.damaged"));
        QFile aside(GameFiles::CurrentPath() + ".damaged");
        QVERIFY(aside.open(QIODevice::ReadOnly) && aside.readAll() == text && !QFile::exists(GameFiles::CurrentPath()));
        QCOMPARE(board.game().mstrState + board.game().mintScored.toString(), "Throw 00");
    }

    // A torn last line is passed over and kept; two copies ending games at once keep every
    // game; a thousand games kept, the oldest goes for the next.
    void finishedGames()
    {
        const QByteArray torn = Line(FinishedGame({{{"Torn"}, kStraights}})).left(80);
        Write(GameFiles::FinishedPath(), Line(FinishedGame({{{"Ada"}, kStraights}})) + torn);
        QCOMPARE(Names(GameFiles::ReadFinished()), QStringList{"Ada"});
        QProcess a, b;
        a.start(QStringLiteral(STORE_WRITER), {"finish", "A", "25"});
        b.start(QStringLiteral(STORE_WRITER), {"finish", "B", "25"});
        QVERIFY(a.waitForFinished() && b.waitForFinished());
        const QStringList names = Names(GameFiles::ReadFinished());
        QCOMPARE(names.size(), 51);
        QCOMPARE(names.filter("A-").size() + names.filter("B-").size(), 50);
        QFile file(GameFiles::FinishedPath());
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains(torn + '\n'));

        QByteArray thousand;
        for (int g = 0; g < GameFiles::kKeptGames; ++g)
            thousand += Line(FinishedGame({{{QStringLiteral("G%1").arg(g)}, kStraights}}));
        Write(GameFiles::FinishedPath(), thousand);
        GameFiles::Keeper().Keep(FinishedGame({{{"New"}, kStraights}}), 0);
        const QStringList kept = Names(GameFiles::ReadFinished());
        QCOMPARE(kept.size(), GameFiles::kKeptGames);
        QCOMPARE(kept.front() + kept.back(), "G1New");
    }

    // The statistics of known games, the chart of the player selected, and Clear after a yes.
    void statisticsWindow()
    {
        // Worked by hand: 475 points with both bonuses, 100 for straights; a shared win counts.
        const GameRecord::Player ada{"Ada"}, bea{"Bea"}, cy2{"Cy", true, 2}, cy5{"Cy", true, 5};
        for (const GameRecord &game : {FinishedGame({{ada, kPerfect}, {bea, kStraights}}), FinishedGame({{ada, kStraights}}),
                                       FinishedGame({{cy2, kPerfect}}), FinishedGame({{cy5, kStraights}, {ada, kStraights}})})
            GameFiles::Keeper().Keep(game, 0);
        frmMain board;
        board.mnuGameStatistics_Click();
        auto *window = Find(&board, "frmStatistics");
        QCOMPARE(Rows(window, "lvwStatistics"), (QStringList{"Ada=3=2 of 2=225.0=475=216.5=33%=33%", "Bea=1=0 of 1=100.0=100=0.0=0%=0%",
                                                               "Cy (computer, level 2)=1=-=475.0=475=0.0=100%=100%",
                                                               "Cy (computer, level 5)=1=1 of 1=100.0=100=0.0=0%=0%"}));
        QCOMPARE(Find(window, "chart")->metaObject()->className(), "QChartView");
        QVERIFY(Find<QComboBox>(window, "cboGame")->currentText().endsWith(": Cy 100, Ada 100")); // the newest first
        Find<QPushButton>(window, "cmdReview")->click();
        QTRY_COMPARE_WITH_TIMEOUT(Rows(Find(&board, "frmReview"), "lvwSummary", 6).value(0), "252.28 + 131.04 luck − 283.32 lost = 100", 60000);
        QTimer::singleShot(0, [] { qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->button(QMessageBox::Yes)->click(); });
        Find<QPushButton>(window, "cmdClear")->click();
        QVERIFY(GameFiles::ReadFinished().empty() && Rows(window, "lvwStatistics").isEmpty());
    }
};

QTEST_MAIN(KeptGamesTest)
#include "tst_keptgames.moc"
