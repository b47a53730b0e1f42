// The real main window, offscreen: layout, the View toggles, start-up and shut-down.
#include "TestSupport.h"
#include "board/Twips.h"
#include "board/frmMain.h"
#include "settings/basMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using namespace quoxa;
using namespace quoxa::test;

namespace {

QString Panel(frmMain &board, int n)
{
    return Find<QLabel>(&board, QStringLiteral("stbMain(%1)").arg(n))->text();
}

} // namespace

class BoardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> board;

    QList<QRect> BlockGeometry()
    {
        QList<QRect> places;
        for (const char *name : {"fraPlayers", "fraScore", "cmdThrow"})
            places << Find(board.get(), name)->geometry();
        for (int i = 1; i <= 5; ++i)
            places << Find(board.get(), QStringLiteral("fraDie(%1)").arg(i))->geometry()
                   << Find(board.get(), QStringLiteral("shpHold(%1)").arg(i))->geometry();
        return places;
    }

    void Toggle(const char *item) { Find<QAction>(board.get(), item)->trigger(); }

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init()
    {
        ClearStore();
        board = std::make_unique<frmMain>();
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    }
    void cleanup() { board.reset(); }

    void controlsStandAtTheirDesignPlaces()
    {
        QCOMPARE(board->windowTitle(), QStringLiteral("Quoxa"));
        QCOMPARE(board->centralWidget()->size(), QSize(481, 407));
        const QRect throwButton = Find(board.get(), "cmdThrow")->geometry();
        QCOMPARE(throwButton.size(), QSize(76, 76));
        const int offset = throwButton.y() - Px(4500); // the block sits under the tool bar
        for (int i = 1; i <= 5; ++i) {
            const QRect die = Find(board.get(), QStringLiteral("fraDie(%1)").arg(i))->geometry();
            QCOMPARE(die, TwipsRect(375 + 1050 * (i - 1), 4650, 765, 765).translated(0, offset));
            QCOMPARE(Find(board.get(), QStringLiteral("shpHold(%1)").arg(i))->geometry(), die.adjusted(-5, -5, 5, 5));
        }
        QCOMPARE(Find(board.get(), "lblOnes")->geometry(), TwipsRect(1350, 300, 540, 315));
        QCOMPARE(Find(board.get(), "lblChance")->geometry(), TwipsRect(3525, 2550, 540, 315));
        QCOMPARE(Find(board.get(), "lblTotal")->geometry(), TwipsRect(1350, 2625, 540, 315));
        QCOMPARE(Find<QLabel>(board.get(), "lblLabels(17)")->text(), QStringLiteral("Game Total"));
        QCOMPARE(Find(board.get(), "shpShapes(3)")->geometry(), TwipsRect(2175, 225, 2040, 2715));
        QCOMPARE(Find<QLabel>(board.get(), "lblGameTotal")->text(), QStringLiteral("0"));
        QCOMPARE(Panel(*board, 1), QStringLiteral("Throw the dice."));
        QCOMPARE(Panel(*board, 2), QStringLiteral("Rolls Remaining: 3"));
        QVERIFY(Find(board.get(), "cmdThrow")->hasFocus());
        QVERIFY(Find(board.get(), "lblQuestion(1)")->isVisible());
    }

    void viewTogglesRestoreEverything_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("tool bar") << QStringList{"mnuViewToolbar", "mnuViewToolbar"};
        QTest::newRow("status bar") << QStringList{"mnuViewStatusBar", "mnuViewStatusBar"};
        QTest::newRow("both, same order") << QStringList{"mnuViewToolbar", "mnuViewStatusBar", "mnuViewToolbar", "mnuViewStatusBar"};
        QTest::newRow("both, other order") << QStringList{"mnuViewStatusBar", "mnuViewToolbar", "mnuViewToolbar", "mnuViewStatusBar"};
    }
    void viewTogglesRestoreEverything()
    {
        QFETCH(QStringList, clicks);
        const QList<QRect> block = BlockGeometry();
        const int height = board->height();
        for (const QString &click : clicks)
            Toggle(qPrintable(click));
        QCOMPARE(BlockGeometry(), block);
        QCOMPARE(board->height(), height);
        QVERIFY(Find<QAction>(board.get(), "mnuViewToolbar")->isChecked());
        QVERIFY(Find<QAction>(board.get(), "mnuViewStatusBar")->isChecked());
    }

    void hidingTheToolBarMovesTheBlockUpByItsHeight()
    {
        const QList<QRect> block = BlockGeometry();
        const int height = board->height();
        const int h = Find(board.get(), "tlbMain")->height();
        Toggle("mnuViewToolbar");
        QVERIFY(!Find<QAction>(board.get(), "mnuViewToolbar")->isChecked());
        QVERIFY(!Find(board.get(), "tlbMain")->isVisible());
        QCOMPARE(board->height(), height - h);
        const QList<QRect> moved = BlockGeometry();
        for (qsizetype i = 0; i < block.size(); ++i)
            QCOMPARE(moved[i], block[i].translated(0, -h));
    }

    void soundsButtonFollowsTheStoredFlag_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("pressed");
        QTest::newRow("True") << "True" << true;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("missing") << QString() << true;
    }
    void soundsButtonFollowsTheStoredFlag()
    {
        QFETCH(QString, stored);
        QFETCH(bool, pressed);
        board.reset();
        ClearStore();
        if (!stored.isNull())
            Store("Game Settings", "Sounds", stored);
        board = std::make_unique<frmMain>();
        QCOMPARE(Find<QAction>(board.get(), "tlbMain.Sounds")->isChecked(), pressed);
    }

    void playersListMarksOnlyTheCurrentPlayer()
    {
        auto *list = Find<QTreeWidget>(board.get(), "lvwPlayers");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Player 1"));
        QVERIFY(list->topLevelItem(0)->isSelected());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 60)); // below the rows
        QVERIFY(list->topLevelItem(0)->isSelected());
    }

    void closingSavesTheSettings()
    {
        gintPlayerCount = 2;
        gudtPlayer(2).strName = QStringLiteral("Bea");
        board->close();
        QCOMPARE(Stored("Game Settings", "Player Count").toString(), QStringLiteral("2"));
        QCOMPARE(Stored("Game Settings", "Player 2").toString(), QStringLiteral("Bea"));
    }
};

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
