// The dice on the real board: faces, question marks, holding, pointers, prompts, colours.
#include "TestSupport.h"
#include "board/BoardPictures.h"
#include "board/Shape.h"
#include "board/frmMain.h"
#include "engine/FakeBoard.h"
#include "settings/basMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quoxa;
using namespace quoxa::test;

class DiceTest : public QObject {
    Q_OBJECT

    ScriptedRandom random;
    std::unique_ptr<frmMain> board;

    template <typename T = QWidget>
    T *Find(const QString &name) { return test::Find<T>(board.get(), name); }
    bool Held(int die) { return Find(QStringLiteral("shpHold(%1)").arg(die))->isVisible(); }
    QString Pips(int die)
    {
        QString shown;
        for (int p = 1; p <= 7; ++p)
            shown += Find(QStringLiteral("shpPip%1(%2)").arg(p).arg(die))->isVisible() ? u'X' : u'.';
        return shown;
    }
    void Press() { QTest::mouseClick(Find("cmdThrow"), Qt::LeftButton); }
    void ClickDie(int die) { QTest::mouseClick(Find(QStringLiteral("fraDie(%1)").arg(die)), Qt::LeftButton); }

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init()
    {
        ClearStore();
        random = ScriptedRandom{};
        for (int i = 0; i < 30; ++i)
            random.draws.push_back(DrawFor(i % 6 + 1));
        board = std::make_unique<frmMain>(&random);
        gblnPlaySound = false;
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    }
    void cleanup() { board.reset(); }

    void faces_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("pips"); // shpPip1 .. shpPip7
        QTest::newRow("1") << 1 << "...X...";
        QTest::newRow("2") << 2 << "..X.X..";
        QTest::newRow("3") << 3 << "..XXX..";
        QTest::newRow("4") << 4 << "X.X.X.X";
        QTest::newRow("5") << 5 << "X.XXX.X";
        QTest::newRow("6") << 6 << "XXX.XXX";
    }
    void faces()
    {
        QFETCH(int, value);
        QFETCH(QString, pips);
        for (int die = 1; die <= 5; ++die) {
            board->ShowFace(die, value);
            QCOMPARE(Pips(die), pips);
        }
    }

    void boardFollowsEveryTurnState_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("panel1");
        QTest::addColumn<QString>("panel2");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("questionMarks");
        QTest::addColumn<bool>("holdsKept");
        QTest::addColumn<bool>("hand");
        QTest::addColumn<bool>("pencil");
        QTest::addColumn<bool>("undo");
        const QString hold = "Hold dice then throw again, or select score score category.";
        QTest::newRow("New Game") << "New Game" << "Throw the dice." << "Rolls Remaining: 3" << "THROW" << true << false << false << false << false;
        QTest::newRow("Throw 0") << "Throw 0" << "Throw the dice." << "Rolls Remaining: 3" << "THROW" << true << false << false << false << false;
        QTest::newRow("Throw 1") << "Throw 1" << hold << "Rolls Remaining: 2" << "THROW" << false << true << true << true << false;
        QTest::newRow("Throw 2") << "Throw 2" << hold << "Rolls Remaining: 1" << "THROW" << false << true << true << true << false;
        QTest::newRow("Throw 3") << "Throw 3" << "Select score category." << "Rolls Remaining: 0" << "THROW" << false << false << false << true << false;
        QTest::newRow("Continue") << "Continue" << "Press 'Continue', or press 'Undo' button to undo last score."
                                  << "Rolls Remaining: 0" << "CONTINUE" << false << false << false << false << true;
        QTest::newRow("Game Over") << "Game Over" << "Game Over." << "" << "NEWGAME" << false << false << false << false << false;
    }
    void boardFollowsEveryTurnState()
    {
        QFETCH(QString, requested);
        QFETCH(QString, panel1);
        QFETCH(QString, panel2);
        QFETCH(QString, picture);
        QFETCH(bool, questionMarks);
        QFETCH(bool, holdsKept);
        QFETCH(bool, hand);
        QFETCH(bool, pencil);
        QFETCH(bool, undo);
        Press();
        ClickDie(2);
        QVERIFY(Held(2));
        board->game().SetTurnState(requested);

        QCOMPARE(Find<QLabel>("stbMain(1)")->text(), panel1);
        QCOMPARE(Find<QLabel>("stbMain(2)")->text(), panel2);
        const QImage shown = Find<QPushButton>("cmdThrow")->icon().pixmap(76).toImage();
        QCOMPARE(shown, LoadButtonPicture(picture).pixmap(76).toImage());
        for (int die = 1; die <= 5; ++die) {
            QCOMPARE(Find(QStringLiteral("lblQuestion(%1)").arg(die))->isVisible(), questionMarks);
            if (questionMarks)
                QCOMPARE(Pips(die), QStringLiteral("......."));
            QCOMPARE(Find(QStringLiteral("fraDie(%1)").arg(die))->cursor().shape(),
                     hand ? Qt::BitmapCursor : Qt::ArrowCursor);
        }
        QCOMPARE(Held(2), holdsKept);
        QCOMPARE(Find("lblSixes")->cursor().shape(), pencil ? Qt::BitmapCursor : Qt::ArrowCursor);
        QCOMPARE(Find<QAction>("mnuEditUndo")->isEnabled(), undo);
        QCOMPARE(Find<QAction>("tlbMain.Undo")->isEnabled(), undo);
    }

    void scoredCategoriesLoseThePencil()
    {
        Press();
        QTest::mouseClick(Find("lblOnes"), Qt::LeftButton);
        Press(); // Continue: one player, the same sheet
        Press();
        QCOMPARE(Find("lblOnes")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(Find("lblTwos")->cursor().shape(), Qt::BitmapCursor);
    }

    void holdingOnlyBetweenThrows()
    {
        ClickDie(1); // before the first throw
        QVERIFY(!Held(1));
        Press();
        ClickDie(1);
        QVERIFY(Held(1));
        ClickDie(1);
        QVERIFY(!Held(1));
        ClickDie(1);
        QVERIFY(Held(1));
        const QString kept = board->DieTag(1);
        Press();
        QCOMPARE(board->DieTag(1), kept);
        QVERIFY(Held(1));
        Press(); // the third throw releases every hold
        QVERIFY(!Held(1));
        ClickDie(3);
        QVERIFY(!Held(3));
        QTest::mouseClick(Find("lblChance"), Qt::LeftButton); // Continue
        ClickDie(3);
        QVERIFY(!Held(3));
        board->game().SetTurnState(QStringLiteral("Game Over"));
        ClickDie(3);
        QVERIFY(!Held(3));
    }

    void colorsPaintDiceAndPips()
    {
        glngPipColor = 255;
        glngDieColor = 65280;
        board->SetColor(QStringLiteral("Pip"));
        board->SetColor(QStringLiteral("Die"));
        int pips = 0;
        for (Shape *shape : board->findChildren<Shape *>()) {
            if (shape->objectName().startsWith(u"shpPip")) {
                QCOMPARE(shape->fillColor(), QColor(255, 0, 0));
                ++pips;
            } else if (shape->objectName().startsWith(u"shpDie")) {
                QCOMPARE(shape->fillColor(), QColor(0, 255, 0));
            }
        }
        QCOMPARE(pips, 35);
        for (int die = 1; die <= 5; ++die) {
            const auto *mark = Find<QLabel>(QStringLiteral("lblQuestion(%1)").arg(die));
            QCOMPARE(mark->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(Find(QStringLiteral("fraDie(%1)").arg(die))->palette().color(QPalette::Window),
                     QColor(192, 192, 192));
        }
        glngPipColor = 0;
        board->SetColor(QStringLiteral("pip")); // any other word does nothing
        QCOMPARE(Find<Shape>("shpPip4(3)")->fillColor(), QColor(255, 0, 0));
    }
};

QTEST_MAIN(DiceTest)
#include "tst_dice.moc"
