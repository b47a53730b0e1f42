// The high-score table in a throw-away store, and its window.
#include "TestSupport.h"
#include "platform/SettingsStore.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"

#include <QMessageBox>
#include <QProcess>

using namespace quoxa;
using namespace quoxa::test;

namespace {

const QString kScores = QStringLiteral("High Scores");

// The stored table as "name=score" per place, "-" for a place without a name; trailing
// empty places left out.
QStringList Table()
{
    QStringList places;
    for (int n = 1; n <= 10; ++n) {
        const QVariant name = Stored(kScores, QStringLiteral("Name %1").arg(n));
        places << (name.isValid() ? name.toString() + "=" + Stored(kScores, QStringLiteral("Score %1").arg(n)).toString() : "-");
    }
    while (!places.isEmpty() && places.last() == u"-")
        places.removeLast();
    return places;
}

void Fill(const QStringList &entries)
{
    SettingsStore::Values table; // one write for the whole table
    for (int n = 1; n <= entries.size(); ++n)
        table << std::pair(QStringLiteral("Name %1").arg(n), entries[n - 1].section(u'=', 0, 0))
              << std::pair(QStringLiteral("Score %1").arg(n), entries[n - 1].section(u'=', 1));
    SettingsStore::WriteSection(QStringLiteral("Quoxa"), kScores, table);
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
        QTest::addColumn<QString>("error"); // the start of the reported message, if any
        QTest::addColumn<QStringList>("after"); // empty: unchanged
        const auto with = [](int place, const char *entry) {
            QStringList table = kFull.mid(0, 9);
            table.insert(place, QString::fromLatin1(entry));
            return table;
        };
        QTest::newRow("first entry") << QStringList{} << "Ann" << 120 << "" << QStringList{"Ann=120"};
        QTest::newRow("equal to the tenth stays out") << kFull << "X" << 100 << "" << QStringList{};
        QTest::newRow("a tie goes below") << kFull << "X" << 200 << "" << with(4, "X=200");
        QTest::newRow("new best") << kFull << "X" << 301 << "" << with(0, "X=301");
        QTest::newRow("into the middle") << kFull << "X" << 170 << "" << with(5, "X=170");
        QTest::newRow("no name") << kFull << "" << 105 << "" << with(9, "(no name)=105");
        QTest::newRow("no name, short table") << QStringList{"A=300", "B=250"} << "" << 260 << ""
                                              << QStringList{"A=300", "(no name)=260", "B=250"};
        QTest::newRow("stored text") << QStringList{"A=300", "B=lots"} << "X" << 400 << "Error #: 13\r" << QStringList{};
        QTest::newRow("stored beyond 16 bits") << QStringList{"A=300", "B=40000"} << "X" << 400 << "Error #: 6\r"
                                               << QStringList{};
    }
    void saveScore()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(QString, error);
        QFETCH(QStringList, after);
        Fill(before);
        ErrorRecorder errors;
        QCOMPARE(frmScores::SaveScore(name, score), !after.isEmpty());
        QCOMPARE(Table(), after.isEmpty() ? before : after);
        QCOMPARE(errors.messages.size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty())
            QVERIFY(errors.messages.first().startsWith(error));
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
            QCOMPARE(Table().mid(0, 3).join(u' '), QStringLiteral("A-%1=%1 B-%2=%2 A=300").arg(500 + round).arg(400 + round));
        }
        for (int round = 0; round < 12; ++round) {
            Fill(kFull);
            std::unique_ptr<QProcess> k(writer("K", 1000, 100000));
            QTest::qWait(15 + 4 * round); // from before the first save into the thick of them
            k->kill();
            QVERIFY(k->waitForFinished());
            QStringList table = Table(), expected = kFull; // every name with its own total, highest first
            qsizetype entries = 0;
            for (const QString &entry : table)
                if (entry.startsWith(u'K'))
                    expected.insert(entries++, QStringLiteral("K-%1=%1").arg(entry.section(u'=', 1)));
            QCOMPARE(table.join(u' '), expected.mid(0, 10).join(u' '));
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
                QTimer::singleShot(0, [yes] {
                    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                    QCOMPARE(box->text(), QStringLiteral("Are you sure that you want to reset all scores?"));
                    box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
                });
                window.cmdReset_Click();
                QCOMPARE(Rows(&window, "lvwScores").first(), yes ? QStringLiteral("1.==") : QStringLiteral("1.=A=300"));
                QCOMPARE(Table(), yes ? QStringList() : QStringList{"A=300"});
            }
            QCOMPARE(clips.played.join(u' '), QString(sounds && newEntry ? "CHIMES 6 " : "") + (sounds ? "FLUSH 6" : ""));
        }
    }
};

QTEST_MAIN(ScoresTest)
#include "tst_scores.moc"
