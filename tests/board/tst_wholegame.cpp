// Whole games through the real window, with real mouse clicks, from start-up to the
// high-score window and the settings saved on closing.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "engine/FakeBoard.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

using namespace quoxa;
using namespace quoxa::test;

class WholeGameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }

    void wholeGame_data()
    {
        QTest::addColumn<int>("players");
        for (int players = 1; players <= 4; ++players)
            QTest::addRow("%d player(s)", players) << players;
    }
    void wholeGame()
    {
        QFETCH(int, players);
        ClearStore();
        Store("Game Settings", "Player Count", QString::number(players));
        Store("Game Settings", "Sounds", "False");
        for (int p = 1; p <= players; ++p)
            Store("Game Settings", QStringLiteral("Player %1").arg(p), QStringLiteral("P%1").arg(p));

        ScriptedRandom random; // faces 1 to 6 over and over: never five alike
        for (int i = 0; i < 13 * 4 * 10; ++i)
            random.draws.push_back(DrawFor(i % 6 + 1));
        frmMain board(&random);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const auto click = [&](const char *name) {
            QWidget *widget = board.findChild<QWidget *>(QString::fromLatin1(name));
            QVERIFY2(widget, name);
            QTest::mouseClick(widget, Qt::LeftButton);
        };
        QAction *undo = board.findChild<QAction *>("tlbMain.Undo");
        QWidget *undoButton = board.findChild<QToolBar *>("tlbMain")->widgetForAction(undo);

        QStringList greeted;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (auto *scores = qobject_cast<frmScores *>(QApplication::activeModalWidget())) {
                const auto *list = scores->findChild<QTreeWidget *>("lvwScores");
                for (int i = 0; i < players; ++i)
                    greeted << list->topLevelItem(i)->text(1) + "=" + list->topLevelItem(i)->text(2);
                QTest::mouseClick(scores->findChild<QPushButton *>("cmdOk"), Qt::LeftButton);
            }
        });
        watcher.start(10);

        std::vector<int> scored(static_cast<std::size_t>(players), 0);
        for (int turn = 0; turn < 13 * players; ++turn) {
            const int player = board.game().mintPlayer.value();
            QCOMPARE(player, turn % players + 1);
            click("cmdThrow");
            click("fraDie(1)");
            click("cmdThrow");
            QVERIFY(!board.findChild<QWidget *>("shpHold(1)")->isHidden());
            int &next = scored[static_cast<std::size_t>(player - 1)];
            const SheetRow *row = &kScoreSheet[0];
            for (int seen = -1; seen < next; ++row)
                seen += row->isCategory() ? 1 : 0;
            --row;
            const QByteArray label = row->label.toString().toLatin1();
            click(label.constData());
            if (turn == 0) { // change of mind: take it back and score it again
                QVERIFY(undo->isEnabled());
                QTest::mouseClick(undoButton, Qt::LeftButton);
                QCOMPARE(board.game().mstrState, QStringLiteral("Throw 2"));
                QVERIFY(board.findChild<QLabel *>(QString::fromLatin1(label))->text().isEmpty());
                click(label.constData());
            }
            ++next;
            if (turn + 1 < 13 * players)
                click("cmdThrow"); // Continue
        }
        QCOMPARE(board.game().mstrState, QStringLiteral("Game Over"));

        QStringList totals;
        const auto *list = board.findChild<QTreeWidget *>("lvwPlayers");
        for (int p = 0; p < players; ++p)
            totals << list->topLevelItem(p)->text(0) + "=" + list->topLevelItem(p)->text(1).remove(',');
        // The table: highest first, and a total equal to one before it goes below it.
        std::stable_sort(totals.begin(), totals.end(), [](const QString &a, const QString &b) {
            return a.section('=', 1).toInt() > b.section('=', 1).toInt();
        });
        QCOMPARE(greeted, totals);
        board.close();

        QCOMPARE(Stored("Game Settings", "Player Count").toString(), QString::number(players));
        QCOMPARE(Stored("Game Settings", "Sounds").toString(), QStringLiteral("False"));
        for (int n = 1; n <= players; ++n) {
            const QString entry = Stored("High Scores", QStringLiteral("Name %1").arg(n)).toString() + "=" +
                                  Stored("High Scores", QStringLiteral("Score %1").arg(n)).toString();
            QCOMPARE(entry, totals[n - 1]);
        }
        QCOMPARE(Stored("High Scores", QStringLiteral("Name %1").arg(players + 1)), QVariant());
    }
};

QTEST_MAIN(WholeGameTest)
#include "tst_wholegame.moc"
