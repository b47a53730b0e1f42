// Every menu item and tool-bar button, the help viewer and the About window.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "dialogs/frmAbout.h"
#include "platform/HelpViewer.h"
#include "platform/basHelp.h"
#include "settings/basMain.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace quoxa;
using namespace quoxa::test;

class CommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> board;

    QAction *Item(const QString &name) { return Find<QAction>(board.get(), name); }
    // Triggers an item and names the modal window it opened (closing it), or "".
    QString Opened(QAction *action)
    {
        QString opened;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                opened = dialog->objectName();
                dialog->reject();
            }
        });
        action->trigger();
        return opened;
    }
    HelpViewer *Viewer(QWidget *owner) { return owner->findChild<HelpViewer *>(); }

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init()
    {
        ClearStore();
        board = std::make_unique<frmMain>();
        gblnPlaySound = false;
    }
    void cleanup() { board.reset(); }

    void menus_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("opens");
        const auto row = [](const char *name, const char *caption, const char *key, bool enabled, bool checked,
                            const char *opens) {
            QTest::newRow(name) << name << caption << key << enabled << checked << opens;
        };
        row("mnuGameNew", "&New", "F2", true, false, "");
        row("mnuGameHighScores", "&High Scores...", "", true, false, "frmScores");
        row("mnuEditUndo", "&Undo Last Score", "", false, false, "");
        row("mnuOptionsColors", "&Colors", "", true, false, "frmOptions");
        row("mnuOption(1)", "&Players", "", true, false, "frmOptions");
        row("mnuOption(2)", "&Sounds", "", true, false, "frmOptions");
        row("mnuViewStatusBar", "&Status Bar", "", true, true, "");
        row("mnuViewToolbar", "&Toolbar", "", true, true, "");
        row("mnuHelpContents", "&Contents", "F1", true, false, "");
        row("mnuHelpIndex", "&Index", "", true, false, "");
        row("mnuHelpLicense", "&License Agreement", "", true, false, "");
        row("mnuHelpAbout", "&About Quoxa...", "", true, false, "frmAbout");
    }
    void menus()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QFETCH(QString, opens);
        QAction *item = Item(name);
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut().toString(), shortcut);
        QCOMPARE(item->isEnabled(), enabled);
        QCOMPARE(item->isChecked(), checked);
        if (enabled && !name.startsWith(u"mnuView"))
            QCOMPARE(Opened(item), opens);
    }

    void toolBar_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("opens");
        QTest::newRow("New") << "New" << "Start New Game" << true << "";
        QTest::newRow("Scores") << "Scores" << "Display High Scores" << true << "frmScores";
        QTest::newRow("Undo") << "Undo" << "Undo Last Score" << false << "";
        QTest::newRow("Colors") << "Colors" << "Change Dice Colors" << true << "frmOptions";
        QTest::newRow("Players") << "Players" << "Change Players" << true << "frmOptions";
        QTest::newRow("Sounds") << "Sounds" << "Toggle Sounds" << true << "";
        QTest::newRow("About") << "About" << "Display Program Information" << true << "frmAbout";
        QTest::newRow("Exit") << "Exit" << "Exit Game" << true << "";
    }
    void toolBar()
    {
        QFETCH(QString, key);
        QFETCH(QString, toolTip);
        QFETCH(bool, enabled);
        QFETCH(QString, opens);
        QAction *button = Item("tlbMain." + key);
        QCOMPARE(button->data().toString(), key);
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->isCheckable(), key == u"Sounds");
        QVERIFY(!button->icon().isNull());
        if (enabled)
            QCOMPARE(Opened(button), opens);
    }

    void toolBarHasElevenPlaces()
    {
        const QList<QAction *> places = board->findChild<QToolBar *>("tlbMain")->actions();
        QCOMPARE(places.size(), 11);
        for (int separator : {2, 4, 8})
            QVERIFY(places[separator]->isSeparator());
    }

    void newGameAtAnyMoment()
    {
        board->cmdThrow_Click();
        Item("tlbMain.New")->trigger();
        QCOMPARE(board->game().mstrState, QStringLiteral("Throw 0"));
    }

    void soundsSwitchTwiceReturns()
    {
        QAction *button = Item("tlbMain.Sounds");
        const bool before = gblnPlaySound;
        button->trigger();
        QCOMPARE(gblnPlaySound, !before);
        QCOMPARE(button->isChecked(), !before);
        button->trigger();
        QCOMPARE(gblnPlaySound, before);
        QCOMPARE(button->isChecked(), before);
        QCOMPARE(Stored("Game Settings", "Sounds"), QVariant()); // saved only on closing
    }

    void exitSaves_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("menu") << "mnuGameExit";
        QTest::newRow("tool bar") << "tlbMain.Exit";
    }
    void exitSaves()
    {
        QFETCH(QString, command);
        board->show();
        gintPlayerCount = 3;
        Item(command)->trigger();
        QVERIFY(!board->isVisible());
        QCOMPARE(Stored("Game Settings", "Player Count").toString(), QStringLiteral("3"));
    }

    void helpSpecifications()
    {
        QCOMPARE(basHelp::ContentsSpec("/opt/Quoxa.chm"), QStringLiteral("/opt/Quoxa.chm>Main"));
        QCOMPARE(basHelp::TopicSpec("/opt/Quoxa.chm", "License.htm"), QStringLiteral("/opt/Quoxa.chm::/html/License.htm>Main"));
    }

    void helpOpensOnContentsIndexAndLicence()
    {
        const QString file = QStringLiteral(QUOXA_HELP_FILE);
        basHelp::ShowHelpIndex(board.get(), file);
        HelpViewer *viewer = Viewer(board.get());
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Quoxa Help"));
        QCOMPARE(viewer->findChild<QTabWidget *>()->currentIndex(), 1);
        QCOMPARE(viewer->currentPage(), QStringLiteral("/html/welcome.htm"));
        for (const char *page : {"License.htm", "license.htm"}) {
            basHelp::ShowHelpTopic(board.get(), file, page);
            QCOMPARE(viewer->currentPage(), QStringLiteral("/html/license.htm"));
            QCOMPARE(viewer->findChild<QTabWidget *>()->currentIndex(), 0);
        }
        QCOMPARE(board->findChildren<HelpViewer *>().size(), 1);
        QVERIFY(!QApplication::activeModalWidget()); // help never blocks the game
    }

    void missingHelpFileSaysNothing()
    {
        ErrorRecorder errors;
        basHelp::ShowHelpContents(board.get(), "/no/such/Quoxa.chm");
        basHelp::ShowHelpTopic(board.get(), QStringLiteral(QUOXA_HELP_FILE), "nothing.htm");
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(board->findChildren<HelpViewer *>().size(), 1); // the file that exists opened
    }

    void aboutWindowAlternatesItsIcon()
    {
        frmAbout about(board.get());
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quoxa"));
        QCOMPARE(about.findChild<QLabel *>("lblTitle")->text(), QStringLiteral("Quoxa 2.0"));
        about.show();
        auto *first = about.findChild<QLabel *>("imgAbout1");
        auto *second = about.findChild<QLabel *>("imgAbout2");
        QVERIFY(first->isVisible() && !second->isVisible());
        about.tmrAbout_Timer();
        QVERIFY(!first->isVisible() && second->isVisible());
        QCOMPARE(second->pos(), first->pos());
        about.tmrAbout_Timer();
        QVERIFY(first->isVisible() && !second->isVisible());
        ErrorRecorder errors;
        about.cmdLicense_Click(); // no help file beside the test: nothing, and no message
        QVERIFY(errors.messages.isEmpty());
    }
};

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
