// The high-score table in a throw-away store, and its window.
#include "TestSupport.h"
#include "platform/LockedWrites.h"
#include "platform/SettingsStore.h"
#include "records/GameFiles.h"
#include "records/GameKeeper.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QProcess>
#include <QTreeWidgetItemIterator>

using namespace quoxa;
using namespace quoxa::test;

namespace {

const QString kScores = QStringLiteral("High Scores");

void Fill(const QStringList &entries)
{
    SettingsStore::Values table; // one write for the whole table
    for (int n = 1; n <= entries.size(); ++n)
        table << std::pair(QStringLiteral("Name %1").arg(n), entries[n - 1].section(u'=', 0, 0))
              << std::pair(QStringLiteral("Score %1").arg(n), entries[n - 1].section(u'=', 1));
    SettingsStore::WriteSection(QStringLiteral("Quoxa"), kScores, table, "the test's table");
}

const QStringList kFull{"A=300", "B=250", "C=200", "D=200", "E=180", "F=160", "G=140", "H=120", "I=110", "J=100"};

} // namespace

class ScoresTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init()
    {
        ClearStore();
        gblnPlaySound = false;
        frmScores::blnNewHighScore = false;
    }

    void saveScore_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("error"); // the error number reported, if any
        QTest::addColumn<QStringList>("after"); // empty: unchanged
        const auto with = [](int place, const char *entry) { return kFull.mid(0, place) + QStringList{entry} + kFull.mid(place, 9 - place); };
        QStringList unsorted = kFull; // edited by hand: the ranking tells the truth about it
        unsorted.swapItemsAt(0, 1);
        const std::tuple<const char *, QStringList, QString, int, int, QStringList> rows[] = {
            {"first entry", {}, "Ann", 120, 0, {"Ann=120"}}, {"equal to the tenth stays out", kFull, "X", 100, 0, {}},
            {"a tie goes below", kFull, "X", 200, 0, with(4, "X=200")}, {"new best", kFull, "X", 301, 0, with(0, "X=301")},
            {"into the middle", kFull, "X", 170, 0, with(5, "X=170")}, {"no name", kFull, "", 105, 0, with(9, "(no name)=105")},
            {"no name, short table", {"A=300", "B=250"}, "", 260, 0, {"A=300", "(no name)=260", "B=250"}},
            {"stored text", {"A=300", "B=lots"}, "X", 400, 13, {}}, {"unsorted, stays out", unsorted, "X", 50, 0, {}},
            {"unsorted, enters", unsorted, "X", 200, 0, with(4, "X=200")},
            {"a gap, no entry twice", {"A=300", "=0", "C=200"}, "X", 250, 0, {"A=300", "X=250", "=0", "C=200"}},
            {"stored beyond 16 bits", {"A=300", "B=40000"}, "X", 400, 6, {}},
            {"stored beyond any integer", {"A=300", "B=" + QString(30, u'9')}, "X", 400, 6, {}}};
        for (const auto &[row, before, name, score, error, after] : rows)
            QTest::newRow(row) << before << name << score << error << after;
    }
    void saveScore()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(int, error);
        QFETCH(QStringList, after);
        Fill(before);
        ErrorRecorder errors;
        QCOMPARE(frmScores::SaveScore(name, score), !after.isEmpty());
        QCOMPARE(HighScores(), after.isEmpty() ? before : after);
        QCOMPARE(errors.messages.size(), error ? 1 : 0);
        if (error)
            QVERIFY(errors.messages.first().startsWith(QStringLiteral("Error #: %1\r").arg(error)));
    }

    // Two copies ending a game at the same moment keep both entries, every time; a copy
    // killed at any moment of a save leaves the old table or the new one, never a mix.
    void twoCopiesAtOnceAndKillsDuringSaves()
    {
        const auto writer = [](const char *name, int first, int count) {
            auto *process = new QProcess;
            process->start(QStringLiteral(STORE_WRITER), {name, QString::number(first), QString::number(count)});
            return process;
        };
        for (int round = 0; round < 10; ++round) {
            Fill(kFull);
            std::unique_ptr<QProcess> a(writer("A", 500 + round, 1)), b(writer("B", 400 + round, 1));
            QVERIFY(a->waitForFinished() && b->waitForFinished());
            QCOMPARE(HighScores().mid(0, 3).join(u' '), QStringLiteral("A-%1=%1 B-%2=%2 A=300").arg(500 + round).arg(400 + round));
        }
        WriteFile(StoreFolder() + "/Quoxa.conf.backup", "mine"); // named like a leftover, but the player's
        const auto others = [] { return QDir(StoreFolder()).entryList(QDir::Files).size() - 3; };
        for (int round = 0; round < 12; ++round) {
            Fill(kFull);
            QCOMPARE(others(), 0); // a temporary file left by a kill is cleared by the next save
            std::unique_ptr<QProcess> k(writer("K", 1000, 100000));
            QTest::qWait(15 + 4 * round); // from before the first save into the thick of them
            k->kill();
            QVERIFY(k->waitForFinished());
            QStringList table = HighScores(), expected = kFull; // every name with its own total, highest first
            qsizetype entries = 0;
            for (const QString &entry : table)
                if (entry.startsWith(u'K'))
                    expected.insert(entries++, QStringLiteral("K-%1=%1").arg(entry.section(u'=', 1)));
            QCOMPARE(table.join(u' '), expected.mid(0, 10).join(u' '));
            QVERIFY(others() <= 1);
        }
        Fill(kFull);
        QCOMPARE(others(), 0);
    }

    // While another copy of the game holds the store's lock, every write returns at once with
    // nothing run inside it: the game under way and a total join the queue, the player is told
    // once, and within a second of the release the queue is written: the newest game, never
    // an older one after a newer, and the total ranked against the table as the other copy
    // left it. The last save, on closing, waits for the lock and tells what could not be saved.
    void writesQueueWhileTheLockIsHeld()
    {
        LockedWrites::SetLockWait(300);
        Fill(kFull);
        ErrorRecorder errors;
        QProcess holder; // another copy, holding the lock for a second and entering Zed's 270
        holder.start(QStringLiteral(STORE_WRITER), {"hold", "1000", "Zed", "270"});
        QVERIFY(holder.waitForReadyRead());
        const auto turns = [] { return QJsonDocument::fromJson(FileText(GameFiles::SlotPath(1))).object().value("turns").toArray().size(); };
        qsizetype newest = 0;
        bool older = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] { older |= turns() < std::exchange(newest, std::max(newest, turns())); });
        watch.start(5);
        GameKeeper keeper;
        GameRecord game = FinishedGame({{{"Ada"}, kStraights}});
        const std::vector<GameRecord::Turn> all = game.turns;
        for (int played = 1; played <= 5; ++played) {
            game.turns.assign(all.begin(), all.begin() + played);
            bool ran = false;
            QTimer::singleShot(0, [&] { ran = true; });
            keeper.Keep(game);
            QVERIFY(played != 1 || !frmScores::SaveScore("Bea", 260)); // told with the game
            QVERIFY(!ran);
            QTest::qWait(80);
        }
        QCOMPARE(turns(), 0); // nothing written while the lock is held
        QVERIFY(holder.waitForFinished());
        QTRY_COMPARE_WITH_TIMEOUT(turns(), 5, 1000);
        QTest::qWait(300);
        QVERIFY(!older && errors.messages.size() == 1);
        QCOMPARE(errors.messages[0], "Another copy of Quoxa is using the store: the game under way and Bea's 260 will be saved when it is free.");
        QCOMPARE(HighScores().mid(0, 4), (QStringList{"A=300", "Zed=270", "Bea=260", "B=250"}));

        auto lock = std::make_unique<HeldStoreLock>(); // this time the lock is held here, and let go at will
        basRegistry::SaveSettings();
        lock.reset();
        QCOMPARE(errors.messages.mid(1), QStringList{"Another copy of Quoxa is still using the store: the settings could not be saved."});
        QVERIFY(!Stored("Game Settings", "Player 1").isValid());
    }

    // Opened after a game, the window shows the entries just made marked, and tells a screen
    // reader the places reached; opened later, neither.
    void newEntriesMarked()
    {
        Fill(kFull);
        QVERIFY(frmScores::SaveScore("X", 200) && frmScores::SaveScore("C", 200)); // C's new 200 goes below X
        for (bool afterAGame : {true, false}) {
            frmScores::blnNewHighScore = afterAGame;
            SpokenLines heard;
            frmScores window(nullptr);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QCOMPARE(heard.lines.join(u'|'), afterAGame ? "X reaches place 5 with 200. C reaches place 6 with 200." : "");
            QString marked;
            for (QTreeWidgetItemIterator row(Find<QTreeWidget>(&window, "lvwScores")); *row; ++row)
                marked += (*row)->font(1).bold() ? (*row)->text(0) : QString();
            QCOMPARE(marked, afterAGame ? "5.6." : "");
        }
    }

    // The window greets a new entry with chimes once, when sounds are on; Reset asks first
    // and wipes the table with a flush.
    void windowChimesAndResets()
    {
        for (const auto &[sounds, newEntry] : {std::pair{true, true}, {true, false}, {false, true}}) {
            gblnPlaySound = sounds;
            frmScores::blnNewHighScore = newEntry;
            Fill({"A=300"});
            PlayedClips clips;
            frmScores window(nullptr);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window) && Find(&window, "cmdOk")->hasFocus());
            QCOMPARE(frmScores::blnNewHighScore, newEntry && !sounds);
            for (bool yes : {false, true}) {
                window.cmdReset_Click();
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QCOMPARE(box->text(), QStringLiteral("Are you sure that you want to reset all scores?"));
                QCOMPARE(Rows(&window, "lvwScores").first(), QStringLiteral("1.=A=300")); // nothing wiped before the answer
                box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
                QCOMPARE(Rows(&window, "lvwScores").first(), yes ? QStringLiteral("1.==") : QStringLiteral("1.=A=300"));
                QCOMPARE(HighScores(), yes ? QStringList() : QStringList{"A=300"});
            }
            QCOMPARE(clips.played.join(u' '), QString(sounds && newEntry ? "CHIMES 6 " : "") + (sounds ? "FLUSH 6" : ""));
        }
    }
};

QTEST_MAIN(ScoresTest)
#include "tst_scores.moc"
