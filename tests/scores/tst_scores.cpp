// The high-score table in a throw-away store, and its window.
#include "TestSupport.h"
#include "platform/basWave.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace quoxa;
using namespace quoxa::test;

namespace {

const QString kScores = QStringLiteral("High Scores");

// The stored table as "name=score" per place, "-" for a place without keys.
QStringList Table()
{
    QStringList places;
    for (int n = 1; n <= 10; ++n) {
        const QVariant name = Stored(kScores, QStringLiteral("Name %1").arg(n));
        places << (name.isValid() ? name.toString() + "=" + Stored(kScores, QStringLiteral("Score %1").arg(n)).toString()
                                  : QStringLiteral("-"));
    }
    while (places.size() > 1 && places.last() == u"-")
        places.removeLast();
    return places;
}

void Fill(std::initializer_list<std::pair<const char *, int>> entries)
{
    int n = 0;
    for (const auto &[name, score] : entries) {
        ++n;
        Store(kScores, QStringLiteral("Name %1").arg(n), name);
        Store(kScores, QStringLiteral("Score %1").arg(n), QString::number(score));
    }
}

QStringList Listed(frmScores &window)
{
    QStringList rows;
    auto *list = window.findChild<QTreeWidget *>("lvwScores");
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = list->topLevelItem(i);
        rows << row->text(0) + row->text(1) + (row->text(2).isEmpty() ? QString() : "=" + row->text(2));
    }
    return rows;
}

// Answers the next message box with the given button.
void Answer(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [button] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            QCOMPARE(box->text(), QStringLiteral("Are you sure that you want to reset all scores?"));
            QCOMPARE(box->windowTitle(), QStringLiteral("Reset Scores"));
            box->button(button)->click();
        }
    });
}

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

    void firstScoreWritesOnlyPlaceOne()
    {
        QVERIFY(frmScores::SaveScore("Ann", 120));
        QCOMPARE(Table(), QStringList{"Ann=120"});
        QCOMPARE(Stored(kScores, "Name 2"), QVariant());
    }

    void saveScore_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("entered");
        QTest::addColumn<QStringList>("table");
        // The stored table: ten places from 300 down to 100 (two at 200).
        QTest::newRow("equal to the tenth stays out") << "X" << 100 << false
            << QStringList{"A=300", "B=250", "C=200", "D=200", "E=180", "F=160", "G=140", "H=120", "I=110", "J=100"};
        QTest::newRow("a tie goes below") << "X" << 200 << true
            << QStringList{"A=300", "B=250", "C=200", "D=200", "X=200", "E=180", "F=160", "G=140", "H=120", "I=110"};
        QTest::newRow("new best") << "X" << 301 << true
            << QStringList{"X=301", "A=300", "B=250", "C=200", "D=200", "E=180", "F=160", "G=140", "H=120", "I=110"};
        QTest::newRow("no name") << "" << 105 << true
            << QStringList{"A=300", "B=250", "C=200", "D=200", "E=180", "F=160", "G=140", "H=120", "I=110", "(no name)=105"};
    }
    void saveScore()
    {
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(bool, entered);
        QFETCH(QStringList, table);
        Fill({{"A", 300}, {"B", 250}, {"C", 200}, {"D", 200}, {"E", 180}, {"F", 160}, {"G", 140}, {"H", 120}, {"I", 110}, {"J", 100}});
        QCOMPARE(frmScores::SaveScore(name, score), entered);
        QCOMPARE(Table(), table);
    }

    void noNameNeverLeavesAStaleDuplicate()
    {
        Fill({{"A", 300}, {"B", 250}});
        QVERIFY(frmScores::SaveScore(QString(), 260));
        QCOMPARE(Table(), (QStringList{"A=300", "(no name)=260", "B=250"}));
    }

    void corruptStoredScoreIsReportedAndNothingWritten_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("error");
        QTest::newRow("text") << "lots" << 13;
        QTest::newRow("beyond 16 bits") << "40000" << 6;
    }
    void corruptStoredScoreIsReportedAndNothingWritten()
    {
        QFETCH(QString, stored);
        QFETCH(int, error);
        Fill({{"A", 300}, {"B", 250}});
        Store(kScores, "Score 2", stored);
        ErrorRecorder errors;
        QVERIFY(!frmScores::SaveScore("X", 400));
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().startsWith(QStringLiteral("Error #: %1\r").arg(error)));
        QCOMPARE(Table(), (QStringList{"A=300", "B=" + stored}));

        frmScores window(nullptr);
        QCOMPARE(Listed(window).mid(0, 3), (QStringList{"1.A=300", "2.B=" + stored, "3."}));
    }

    void windowListsTenPlaces()
    {
        frmScores window(nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral("High Scores"));
        QCOMPARE(Listed(window), (QStringList{"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9.", "10."}));
        QVERIFY(window.findChild<QPushButton *>("cmdOk")->isDefault());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.findChild<QPushButton *>("cmdOk")->hasFocus());
    }

    void reset_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void reset()
    {
        QFETCH(bool, yes);
        gblnPlaySound = true;
        PlayedClips played;
        Fill({{"A", 300}});
        frmScores window(nullptr);
        Answer(yes ? QMessageBox::Yes : QMessageBox::No);
        window.cmdReset_Click();
        QCOMPARE(Listed(window).first(), yes ? QStringLiteral("1.") : QStringLiteral("1.A=300"));
        QCOMPARE(Listed(window).size(), 10);
        QCOMPARE(Table(), yes ? QStringList{"-"} : QStringList{"A=300"});
        QCOMPARE(played.sizes, yes ? QStringList{"45726"} : QStringList{}); // FLUSH
        if (yes) {
            QVERIFY(frmScores::SaveScore("Z", 1));
            QCOMPARE(Table(), QStringList{"Z=1"});
        }
    }

    void chimesGreetANewEntryOnce_data()
    {
        QTest::addColumn<bool>("sounds");
        QTest::addColumn<bool>("newEntry");
        QTest::addColumn<int>("chimes");
        QTest::newRow("new entry") << true << true << 1;
        QTest::newRow("opened from the menu") << true << false << 0;
        QTest::newRow("sounds off") << false << true << 0;
    }
    void chimesGreetANewEntryOnce()
    {
        QFETCH(bool, sounds);
        QFETCH(bool, newEntry);
        QFETCH(int, chimes);
        gblnPlaySound = sounds;
        frmScores::blnNewHighScore = newEntry;
        PlayedClips played;
        frmScores window(nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(played.sizes.size(), chimes);
        QCOMPARE(frmScores::blnNewHighScore, newEntry && !sounds);
    }
};

QTEST_MAIN(ScoresTest)
#include "tst_scores.moc"
