// The options dialog on the real board: pages, the Apply state, players, sounds, colours.
#include "TestSupport.h"
#include "board/Shape.h"
#include "board/frmMain.h"
#include "settings/basMain.h"
#include "settings/frmOptions.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace quoxa;
using namespace quoxa::test;

class OptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> board;
    std::unique_ptr<frmOptions> options;

    bool Apply() { return Find(options.get(), "cmdApply")->isEnabled(); }
    QLineEdit *Count() { return Find<QLineEdit>(options.get(), "mskPlayerCnt"); }
    QLineEdit *Name(int i) { return Find<QLineEdit>(options.get(), QStringLiteral("txtPlayer(%1)").arg(i)); }
    void Click(const char *name) { Find<QAbstractButton>(options.get(), name)->click(); }
    void Open(int page) { options = std::make_unique<frmOptions>(*board, page); }
    QString ListedNames()
    {
        QStringList names;
        auto *list = Find<QTreeWidget>(board.get(), "lvwPlayers");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            names << list->topLevelItem(i)->text(0);
        return names.join(',');
    }
    // Plays one action on the open dialog.
    void Do(const QString &action)
    {
        if (action == u"name")
            Name(1)->setText("Zed");
        else if (action == u"step")
            Find<QWidget>(options.get(), "udcPlayerCnt")->findChildren<QAbstractButton *>().first()->click();
        else if (action == u"sound")
            Click("optSounds(2)");
        else if (action == u"color")
            ChooseColor(QColor(255, 0, 0));
        else if (action == u"apply")
            Click("cmdApply");
        else if (action == u"default")
            Click("cmdDefault");
        else if (action == u"page")
            Find<QTabWidget>(options.get(), "tabOptions")->setCurrentIndex(2);
    }
    void ChooseColor(QColor color)
    {
        QTimer::singleShot(0, [color] {
            auto *chooser = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            chooser->setCurrentColor(color);
            chooser->accept();
        });
        Click("cmdColor");
    }

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init()
    {
        ClearStore();
        Store("Game Settings", "Player Count", "2");
        Store("Game Settings", "Player 1", "Ann");
        board = std::make_unique<frmMain>();
        gblnPlaySound = false;
    }
    void cleanup()
    {
        options.reset();
        board.reset();
    }

    void applyState_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("after load") << 1 << QStringList{} << false;
        QTest::newRow("name edited") << 1 << QStringList{"name"} << true;
        QTest::newRow("count stepped") << 1 << QStringList{"step"} << true;
        QTest::newRow("sound chosen") << 2 << QStringList{"sound"} << true;
        QTest::newRow("colour chosen") << 0 << QStringList{"color"} << false;
        QTest::newRow("colour keeps it enabled") << 1 << QStringList{"name", "color"} << true;
        QTest::newRow("applied") << 1 << QStringList{"name", "apply"} << false;
        QTest::newRow("default") << 1 << QStringList{"name", "default"} << false;
        QTest::newRow("page left") << 1 << QStringList{"name", "page"} << false;
    }
    void applyState()
    {
        QFETCH(int, page);
        QFETCH(QStringList, actions);
        QFETCH(bool, enabled);
        Open(page);
        for (const QString &action : actions)
            Do(action);
        QCOMPARE(Apply(), enabled);
    }

    void commandsOpenTheirPage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("page");
        QTest::newRow("Colors menu") << "mnuOptionsColors" << 0;
        QTest::newRow("Players menu") << "mnuOption(1)" << 1;
        QTest::newRow("Sounds menu") << "mnuOption(2)" << 2;
        QTest::newRow("Colors button") << "tlbMain.Colors" << 0;
        QTest::newRow("Players button") << "tlbMain.Players" << 1;
    }
    void commandsOpenTheirPage()
    {
        QFETCH(QString, command);
        QFETCH(int, page);
        int shown = -1;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<frmOptions *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shown = Find<QTabWidget>(dialog, "tabOptions")->currentIndex();
            QVERIFY(!Find(dialog, "cmdApply")->isEnabled());
            Find<QPushButton>(dialog, "cmdCancel")->click();
        });
        Find<QAction>(board.get(), command)->trigger();
        QCOMPARE(shown, page);
    }

    void playersPageShowsCountAndNames()
    {
        Open(1);
        QCOMPARE(Count()->text(), QStringLiteral("2"));
        QCOMPARE(Name(1)->text(), QStringLiteral("Ann"));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(Name(i)->isEnabled(), i <= 2);
            QCOMPARE(Name(i)->palette().color(QPalette::Base), i <= 2 ? QColor(255, 255, 255) : QColor(192, 192, 192));
        }
    }

    void steppingThenCancelChangesNothing()
    {
        Open(1);
        Do("step");
        QCOMPARE(Count()->text(), QStringLiteral("3"));
        QVERIFY(Name(3)->isEnabled());
        Click("cmdCancel");
        QCOMPARE(gintPlayerCount.value(), 2);
        QCOMPARE(ListedNames(), QStringLiteral("Ann,Player 2"));
    }

    void typedCountsStayWithinOneToFour_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7") << "7" << "4";
        QTest::newRow("3") << "3" << "3";
        QTest::newRow("0") << "0" << "1";
    }
    void typedCountsStayWithinOneToFour()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Open(1);
        Count()->selectAll();
        QTest::keyClicks(Count(), typed);
        QCOMPARE(Count()->text(), shown);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(Name(i)->isEnabled(), i <= shown.toInt());
        QVERIFY(Apply());
    }

    void emptyCountIsReportedAndChangesNothing()
    {
        Open(1);
        ErrorRecorder errors;
        Count()->clear();
        QCOMPARE(errors.messages, QStringList{"Error #: 13\rType mismatch"});
        QVERIFY(!Apply());
        Name(2)->setText("Bo");
        Click("cmdOk");
        QCOMPARE(errors.messages.size(), 2);
        QCOMPARE(gintPlayerCount.value(), 2);
        QCOMPARE(ListedNames(), QStringLiteral("Ann,Player 2")); // no new game
    }

    void leavingThePlayersPageStartsANewGame()
    {
        board->cmdThrow_Click();
        Open(1);
        Name(2)->setText("Bea");
        Do("page");
        QCOMPARE(ListedNames(), QStringLiteral("Ann,Bea"));
        QCOMPARE(board->game().mstrState, QStringLiteral("Throw 0"));
        QVERIFY(!Apply());
    }

    void defaults_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("Colors") << 0;
        QTest::newRow("Players") << 1;
        QTest::newRow("Sounds") << 2;
    }
    void defaults()
    {
        QFETCH(int, page);
        glngDieColor = 255;
        gblnPlaySound = false;
        board->SetSoundsButton(false);
        Open(page);
        Click("cmdDefault");
        if (page == 0) {
            QCOMPARE(glngDieColor, 16711680);
            QCOMPARE(glngPipColor, 16777215);
            QCOMPARE(Find<Shape>(board.get(), "shpDie(1)")->fillColor(), QColor(0, 0, 255));
        } else if (page == 1) {
            QCOMPARE(gintPlayerCount.value(), 1);
            QCOMPARE(ListedNames(), QStringLiteral("Player 1"));
            QCOMPARE(Name(4)->text(), QStringLiteral("Player 4"));
        } else {
            QVERIFY(gblnPlaySound);
            QVERIFY(Find<QAction>(board.get(), "tlbMain.Sounds")->isChecked());
        }
    }

    void okAppliesOnlyWhatIsPending()
    {
        board->cmdThrow_Click();
        Open(1);
        Click("cmdOk"); // Apply disabled: only closes
        QCOMPARE(board->game().mstrState, QStringLiteral("Throw 1"));
        Open(2);
        Click("optSounds(1)");
        Click("cmdOk");
        QVERIFY(gblnPlaySound);
        QVERIFY(Find<QAction>(board.get(), "tlbMain.Sounds")->isChecked());
    }

    void pipColourSurvivesCancelAndRestart()
    {
        Open(0);
        Click("optColors(2)");
        ChooseColor(QColor(255, 0, 0));
        Click("cmdCancel");
        QCOMPARE(glngPipColor, 255);
        QCOMPARE(Find<Shape>(board.get(), "shpPip7(5)")->fillColor(), QColor(255, 0, 0));
        options.reset();
        board->close();
        QCOMPARE(Stored("Game Settings", "Pip Color").toString(), QStringLiteral("255"));
        board = std::make_unique<frmMain>();
        QCOMPARE(Find<Shape>(board.get(), "shpPip1(1)")->fillColor(), QColor(255, 0, 0));
    }

    void cancelledChooserChangesNoColour()
    {
        Open(0);
        QTimer::singleShot(0, [] { qobject_cast<QDialog *>(QApplication::activeModalWidget())->reject(); });
        Click("cmdColor");
        QCOMPARE(glngDieColor, 16711680);
    }
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
