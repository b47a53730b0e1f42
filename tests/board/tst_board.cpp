// The real main window, offscreen: start-up, the dice, what each turn state shows, the
// View toggles, and what every menu item and tool-bar button does.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "platform/ErrorTrap.h"
#include "platform/HelpViewer.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "settings/basMain.h"

#include <QAccessible>
#include <QDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QSet>
#include <QTableWidget>
#include <QToolButton>

using namespace quoxa;
using namespace quoxa::test;

class BoardTest : public QObject {
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
    // A new game with Ones scored and die 2 held after the next turn's first throw, then played
    // on to a turn state.
    void Reach(const QString &state)
    {
        board->mnuGameNew_Click();
        Press();
        QTest::mouseClick(Find("lblOnes"), Qt::LeftButton);
        Press(), Press();
        ClickDie(2);
        state == u"New Game" ? board->mnuGameNew_Click() : PlayTo(board->game(), state);
        if (QWidget *scores = QApplication::activeModalWidget()) // a new high score's window
            scores->close();
    }
    QList<QRect> Block()
    {
        QList<QRect> places;
        for (const char *name : {"fraPlayers", "fraScore", "cmdThrow", "fraDie(1)", "fraDie(5)", "shpHold(3)"})
            places << Find(name)->geometry();
        return places;
    }

private slots:
    void initTestCase() { UseScratchSettings(); SolvedStrategy(); }
    void init()
    {
        ClearStore();
        Store("Game Settings", "Sounds", "False");
        random = ScriptedRandom{};
        random.Queue(QStringLiteral("123456").repeated(5));
        board = std::make_unique<frmMain>(&random);
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    }
    void cleanup() { board.reset(); }

    void startsReadyToThrowAndShowsFaces()
    {
        QVERIFY(QTest::qWaitForWindowActive(board.get()));
        QVERIFY(!Find<QAction>("tlbMain.Sounds")->isChecked()); // as stored
        QTest::keyClick(Find("cmdThrow"), Qt::Key_Return); // Return throws, as Space does
        QTRY_COMPARE(board->game().turn().mstrState, QStringLiteral("Throw 1"));
        const QPoint die = Find("fraDie(2)")->mapTo(board.get(), QPoint(10, 10)); // as the window system sends it:
        QTest::mouseDClick(board->windowHandle(), Qt::LeftButton, {}, die); // a double-click is one click
        QVERIFY(Held(2));
        for (int die = 1; die <= 5; ++die) { // each of the keys 1 to 5 is a click on its die
            QTest::keyClick(board.get(), Qt::Key(Qt::Key_0 + die));
            QCOMPARE(Held(die), die != 2);
        }
        QVERIFY(Find("cmdThrow")->hasFocus());
        auto *button = Find<QPushButton>("cmdThrow"); // it shows its focus, and a press by moving its picture
        const QImage focused = button->grab().toImage();
        button->clearFocus();
        const QImage resting = button->grab().toImage();
        button->setDown(true);
        QVERIFY(focused != resting && button->grab().toImage().copy(1, 1, 75, 75) == resting.copy(0, 0, 75, 75));
        button->setDown(false);
        QCOMPARE(Find<QTreeWidget>("lvwPlayers")->topLevelItem(0)->text(0), QStringLiteral("Player 1"));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Backtab); // last in the tab order the players list, at whose turn it is
        QCOMPARE(board->focusWidget()->objectName(), "lvwPlayers");
        QTRY_VERIFY(Find<QTreeWidget>("lvwPlayers")->currentItem() && Find<QTreeWidget>("lvwPlayers")->currentItem()->isSelected());
        QTest::keyClick(board->focusWidget(), Qt::Key_3); // a die's key there is a click on the die, as anywhere
        QVERIFY(!Held(3) && button->hasFocus());
        QTest::keyClick(button, Qt::Key_Backtab);
        QTest::keyClick(board->focusWidget(), Qt::Key_Backtab); // and before it the dice, which follow the open boxes
        QCOMPARE(board->focusWidget(), Find("fraDie(5)"));
        const char *faces[] = {"...X...", "..X.X..", "..XXX..", "X.X.X.X", "X.XXX.X", "XXX.XXX"}; // shpPip1 .. 7
        for (int value = 1; value <= 6; ++value)
            for (int die = 1; die <= 5; ++die) {
                board->ShowFace(die, value);
                QCOMPARE(Pips(die), QString::fromLatin1(faces[value - 1]));
            }
    }

    void picturesReadAsDrawn_data()
    {
        QTest::addColumn<QPixmap>("picture");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("background"); // in the corner
        QTest::addColumn<QColor>("ink");        // the drawing's most used colour
        const QColor grey(192, 192, 192), none(Qt::transparent);
        QTest::newRow("throw button") << LoadButtonPicture("NEWGAME").pixmap(76) << QSize(76, 76) << grey << QColor(200, 16, 24);
        QTest::newRow("tool bar") << LoadToolBarImage("Undo").pixmap(16, 15) << QSize(16, 15) << grey << QColor(0, 0, 160);
        QTest::newRow("trophy") << LoadPicture("TROPHY").pixmap(32) << QSize(32, 32) << none << QColor(70, 45, 30);
        QTest::newRow("program icon") << LoadProgramIcon().pixmap(48) << QSize(48, 48) << none << QColor(0, 0, 255);
        QTest::newRow("pointer") << LoadCursor("PENCIL").pixmap() << QSize(32, 32) << none << QColor(250, 200, 0);
    }
    void picturesReadAsDrawn()
    {
        QFETCH(QPixmap, picture);
        QFETCH(QSize, size);
        QFETCH(QColor, background);
        QFETCH(QColor, ink);
        const QImage image = picture.toImage();
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixelColor(0, 0), background);
        QHash<QRgb, int> uses;
        for (int i = 0; i < image.width() * image.height(); ++i)
            ++uses[image.pixel(i % image.width(), i / image.width())];
        uses.remove(background.rgba());
        const QList<int> counts = uses.values();
        QCOMPARE(QColor::fromRgba(uses.key(*std::max_element(counts.begin(), counts.end()))), ink);
    }
    void missingPictureIsARunError() { QVERIFY_THROWS_EXCEPTION(RunError, LoadPicture("NOTHING")); }

    void boardFollowsEveryTurnState_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("panels");
        QTest::addColumn<QString>("picture");
        // Question marks, die 2's hold kept, hand on the dice, pencil on open categories (never
        // on a scored one), Undo enabled, and a click on a die holds it.
        QTest::addColumn<QString>("shows");
        const QString hold = "Hold dice then throw again, or select score score category.|Rolls Remaining: ", fresh = "Throw the dice.|Rolls Remaining: 3";
        for (const auto &[state, panels, picture, shows] :
             {std::array<QString, 4>{"New Game", fresh, "THROW", "Q----I-"}, {"Throw 0", fresh, "THROW", "Q----I-"},
              {"Throw 1", hold + "2", "THROW", "-KHP-IC"}, {"Throw 2", hold + "1", "THROW", "-KHP-IC"},
              {"Throw 3", "Select score category.|Rolls Remaining: 0", "THROW", "---P-I-"},
              {"Continue", "Press 'Continue', or press 'Undo' button to undo last score.|Rolls Remaining: 0", "CONTINUE", "----U--"},
              {"Game Over", "Game Over.|", "NEWGAME", "-------"}})
            QTest::newRow(qPrintable(state)) << state << panels << picture << shows;
    }
    void boardFollowsEveryTurnState()
    {
        QFETCH(QString, requested);
        QFETCH(QString, panels);
        QFETCH(QString, picture);
        QFETCH(QString, shows);
        Reach(requested);
        QCOMPARE(board->game().turn().mstrState, requested == u"New Game" ? QStringLiteral("Throw 0") : requested);
        QCOMPARE(Find<QLabel>("stbMain(1)")->text() + "|" + Find<QLabel>("stbMain(2)")->text(), panels);
        QCOMPARE(Find<QPushButton>("cmdThrow")->icon().pixmap(76).toImage(), LoadButtonPicture(picture).pixmap(76).toImage());
        QCOMPARE(Find("lblOnes")->cursor().shape(), Qt::ArrowCursor);
        const bool marks[] = {Find("lblQuestion(3)")->isVisible() && Pips(3) == u".......", Held(2),
                              Find("fraDie(4)")->cursor().shape() == Qt::BitmapCursor, Find("lblSixes")->cursor().shape() == Qt::BitmapCursor,
                              Find<QAction>("mnuEditUndo")->isEnabled() && Find("tlbMain.Undo")->isEnabled(),
                              Find<QAction>("mnuGameHint")->isEnabled(), (ClickDie(4), Held(4))}; // in order: the click comes last
        QString shown;
        for (int i = 0; i < 7; ++i)
            shown += marks[i] ? "QKHPUIC"[i] : '-';
        QCOMPARE(shown, shows);
        ClickDie(4);
        QCOMPARE(Held(4), false); // a second click releases, or still holds nothing
        const qint64 face = Find<QPushButton>("cmdThrow")->icon().cacheKey(); // each face is loaded once
        Reach(requested);
        QCOMPARE(Find<QPushButton>("cmdThrow")->icon().cacheKey(), face);
    }

    // The Hint, from the menu or Ctrl+H: a line in the status bar and its marks until the
    // next action, never a change to the game; nothing once the turn is scored. Resting on an
    // open box meanwhile tells what it would score, in the status bar and to a screen reader.
    void hintTellsTheBestMove()
    {
        QVERIFY(QTest::qWaitForWindowActive(board.get()));
        const auto line = [&] { return Find<QLabel>("stbMain(1)")->text(); };
        const auto cell = [&] { return Find("lblLargeStraight")->palette().color(QPalette::Window); };
        const auto hint = [&] { QTest::keyClick(board.get(), Qt::Key_H, Qt::ControlModifier); };
        hint(); // at once, or once best play is worked out (slowly, in the sanitizers' build)
        QTRY_COMPARE_WITH_TIMEOUT(line(), "Hint: throw the dice. Expected final total: 252.28", 60000);
        Press(); // 1 2 3 4 5
        SpokenLines heard;
        Find<QAction>("mnuGameHint")->trigger();
        QCOMPARE(line(), "Hint: score Large Straight for 40. Expected final total: 259.64");
        QTRY_VERIFY(heard.lines.value(0).endsWith(line())); // and told to a screen reader, after what came before
        QCOMPARE(cell(), QColor(204, 255, 204));
        Find("lblLargeStraight")->setFocus(); // resting on an open box tells what it would score
        QCOMPARE(line() + "|" + Find("lblLargeStraight")->accessibleDescription(), // after the box's name, the points alone
                 QStringLiteral("Large Straight: 40 points|40 points"));
        Find("cmdThrow")->setFocus(); // and leaving it gives the panel back, the Hint with it
        QCOMPARE(line() + "|" + Find("lblLargeStraight")->accessibleDescription(),
                 "Hint: score Large Straight for 40. Expected final total: 259.64|empty");
        ClickDie(1); // the next action ends it
        QCOMPARE(line() + cell().name(), "Hold dice then throw again, or select score score category.#ffffff");
        ClickDie(1);
        Press(); // 6 1 2 3 4
        hint();
        QCOMPARE(line(), "Hint: keep 1 2 3 4 and throw again. Expected final total: 246.79");
        QString marked = board->game().turn().mstrState + " ";
        for (int die = 1; die <= 5; ++die)
            marked += Find(QStringLiteral("shpHint(%1)").arg(die))->isVisible() ? 'X' : Held(die) ? 'H' : '.';
        QCOMPARE(marked, "Throw 2 .XXXX"); // marked, not held
        board->game().RecordScore(u"lblChance");
        hint();
        QCOMPARE(line(), "Press 'Continue', or press 'Undo' button to undo last score.");
    }

    // What a screen reader hears (through the accessibility interface): at start, after a
    // throw, a hold by the keypad's 2 and its release, a score made by a box's press action
    // (which releases the die held again), and its undo; what the board tells it meanwhile
    // whatever has the focus; and the score card, whose table takes the keyboard when asked
    // for, at the box scored last, and its list of moves. Dice and boxes are push buttons.
    void accessibleNamesAndDescriptions()
    {
        SpokenLines told;
        const auto heard = [&](const char *line) { // once the action is over
            QTRY_COMPARE(told.lines, QStringList{line});
            told.lines.clear();
        };
        const auto spoken = [&](const char *name) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(Find(name));
            return a->text(QAccessible::Name) + "|" + a->text(QAccessible::Description);
        };
        QCOMPARE(spoken("cmdThrow") + spoken("fraDie(2)") + spoken("lblFours") + spoken("lblSection1Total") + spoken("lvwPlayers"),
                 QStringLiteral("Throw|Die 2: not thrown|not thrownFours: empty|emptyUpper Section Total: 0|0Players|"));
        QCOMPARE(Find("tlbMain.Undo")->accessibleName(), QStringLiteral("Undo Last Score"));
        Press(); // every die named anew (the toolkit tells a screen reader of each change)
        QCOMPARE(spoken("fraDie(5)"), QStringLiteral("Die 5: 5|5"));
        heard("1 2 3 4 5. Two throws left.");
        QTest::keyClick(board.get(), Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(spoken("fraDie(2)") + spoken("fraDie(3)"), QStringLiteral("Die 2: 2, held|2, heldDie 3: 3|3"));
        heard("Die 2: 2, held");
        Find("lblFours")->setFocus(); // a hold key gives the keyboard back to the throw button
        QTest::keyClick(Find("lblFours"), Qt::Key_2, Qt::KeypadModifier);
        QVERIFY(Find("cmdThrow")->hasFocus());
        QCOMPARE(spoken("fraDie(2)"), QStringLiteral("Die 2: 2|2"));
        heard("Die 2: 2, free");
        QTest::keyClick(board.get(), Qt::Key_2, Qt::KeypadModifier); // held again, and released by the score
        heard("Die 2: 2, held");
        Find("fraDie(2)")->setFocus(); // a die with the focus: a mark round it and its hold marker
        QVERIFY(!Find("shpFocus(2)")->isHidden() && Find("shpFocus(2)")->geometry().contains(Find("shpHold(2)")->geometry().adjusted(-1, -1, 1, 1)));
        Find("cmdThrow")->setFocus(); // and gone with the focus
        QVERIFY(Find("shpFocus(2)")->isHidden());
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(Find("lblChance"));
        QCOMPARE(box->role(), QAccessible::Button);
        QCOMPARE(QAccessible::queryAccessibleInterface(Find("fraDie(1)"))->role(), QAccessible::Button);
        box->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(spoken("lblChance") + spoken("cmdThrow") + spoken("fraDie(2)"), QStringLiteral("Chance: 15|15Continue|Die 2: 2|2"));
        heard("Chance: 15. Game total 15.");
        QTest::keyClick(board.get(), Qt::Key_K, Qt::ControlModifier);
        auto *card = Find<QTableWidget>("grdScoreCard");
        QTRY_VERIFY(card->hasFocus());
        QTest::keyClick(card, Qt::Key_Tab); // Tab leaves the table for the moves
        QVERIFY(Find("lstMoves")->hasFocus());
        card->setFocus();
        QCOMPARE(card->currentItem()->data(Qt::AccessibleTextRole).toString() + "|" + card->item(1, 0)->data(Qt::AccessibleTextRole).toString(),
                 "Chance: Player 1 15, scored last|Twos: Player 1 empty");
        auto *moves = Find<QListWidget>("lstMoves"); // the moves below it, newest last
        const QString logged = moves->accessibleName() + ": " + moves->item(moves->count() - 1)->text();
        board->mnuEditUndo_Click();
        QCOMPARE(logged + QString::number(moves->count()), "Moves: Player 1 scores 15 in Chance.0"); // and taken back
        QCOMPARE(spoken("lblChance"), QStringLiteral("Chance: empty|empty"));
        QCOMPARE(QAccessible::queryAccessibleInterface(Find("lblSpoken"))->role(), QAccessible::Notification);
        heard("Chance: empty");
    }

    // The upper bonus is told once, with the score that earns it, and not with later ones.
    void upperBonusTold()
    {
        random = ScriptedRandom{};
        random.Queue(QStringLiteral("6666555556444463333611234"));
        SpokenLines heard;
        for (const char *box : {"lblSixes", "lblFives", "lblFours", "lblThrees", "lblOnes"})
            Press(), QTest::mouseClick(Find(box), Qt::LeftButton), Press();
        QTRY_VERIFY(heard.lines.join(u' ').contains("Threes: 12. Game total 107. Player 1 earns the upper bonus of 35."));
        QCOMPARE(heard.lines.join(u' ').count("bonus"), 1);
    }

    // Within the menu bar and each menu every item has an access key of its own; Ctrl+Z
    // takes back a score and Ctrl+Q exits, as their menu items do.
    void accessKeysAndShortcuts()
    {
        for (QWidget *menu : board->findChildren<QWidget *>()) {
            if (!qobject_cast<QMenu *>(menu) && !qobject_cast<QMenuBar *>(menu))
                continue;
            QStringList keys; // each item's access key, separators aside
            for (QAction *item : menu->actions())
                keys << (item->isSeparator() ? "-" : item->text().toLower().section(u'&', 1).left(1));
            keys.removeAll("-");
            QVERIFY(!keys.contains(QString()) && QSet<QString>(keys.begin(), keys.end()).size() == keys.size());
        }
        Press();
        QTest::mouseClick(Find("lblChance"), Qt::LeftButton);
        QTest::keyClick(board.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(board->game().turn().mstrState + Find<QLabel>("lblChance")->text(), "Throw 1");
        QTest::keyClick(board.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!board->isVisible());
    }

    void viewToggles()
    {
        const QList<QRect> block = Block();
        const int height = board->height(), toolHeight = Find("tlbMain")->height(), statusHeight = Find("stbMain")->height();
        // Each toggle of the tool bar (T) or status bar (S); the block moves with the tool bar.
        for (const char *clicks : {"T", "T", "S", "S", "TSTS", "STTS", "T"}) {
            for (const char *c = clicks; *c; ++c)
                Find<QAction>(*c == 'T' ? "mnuViewToolbar" : "mnuViewStatusBar")->trigger();
            const bool toolBar = Find<QAction>("mnuViewToolbar")->isChecked(), statusBar = Find<QAction>("mnuViewStatusBar")->isChecked();
            QCOMPARE(toolBar, Find("tlbMain")->isVisible());
            QCOMPARE(statusBar, Find("stbMain")->isVisible());
            QCOMPARE(board->height(), height - (toolBar ? 0 : toolHeight) - (statusBar ? 0 : statusHeight));
            const QList<QRect> now = Block();
            for (qsizetype i = 0; i < block.size(); ++i)
                QCOMPARE(now[i], block[i].translated(0, toolBar ? 0 : -toolHeight));
        }
        QVERIFY(!Find<QAction>("mnuViewToolbar")->isChecked());
    }

    // On a screen of 800 by 800, a step up beyond 150 % is refused and told; Actual Size
    // gives every place back.
    void zoomStaysOnTheScreen()
    {
        const QSize design = board->size();
        const QList<QRect> block = Block();
        for (int step = 0; step < 4; ++step)
            Find<QAction>("mnuViewZoomIn")->trigger();
        QCOMPARE(Zoom(), 150);
        QCOMPARE(board->width(), 722);
        QCOMPARE(Find<QLabel>("stbMain(1)")->text(), "The board at 175% would not fit on the screen: it is shown at 150%.");
        Find<QAction>("mnuViewZoomOut")->trigger();
        QCOMPARE(Zoom(), 125);
        Find<QAction>("mnuViewZoomReset")->trigger();
        QCOMPARE(board->size(), design);
        QCOMPARE(Block(), block);
    }

    // What a command does in the middle of a turn: the modal window it opens (and its
    // page), the help viewer's pane and page, a new game, sounds switched, or the board closed.
    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("effect");
        const char *rows[][2] = {
            {"mnuGameNew", "new game"}, {"mnuGameHighScores", "frmScores"}, {"mnuGameExit", "closed"}, {"mnuEditUndo", ""},
            {"mnuOptionsColors", "frmOptions 0"}, {"mnuOption(1)", "frmOptions 1"}, {"mnuOption(2)", "frmOptions 2"},
            {"mnuHelpContents", "help 0 /html/welcome.htm"}, {"mnuHelpIndex", "help 1 /html/welcome.htm"},
            {"mnuHelpLicense", "help 0 /html/license.htm"}, {"mnuHelpAbout", "frmAbout"}, {"tlbMain.New", "new game"},
            {"tlbMain.Scores", "frmScores"}, {"tlbMain.Sounds", "sounds on"}, {"tlbMain.Exit", "closed"}}; // the others as their menu items
        for (const auto &[command, effect] : rows)
            QTest::newRow(command) << command << effect;
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QString, effect);
        Press();
        QString seen;
        command.startsWith("tlbMain.") ? Find<QToolButton>(command)->click() : Find<QAction>(command)->trigger();
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) { // open, and the command over
            seen = dialog->objectName();
            if (auto *tabs = dialog->findChild<QTabWidget *>("tabOptions"))
                seen += " " + QString::number(tabs->currentIndex());
            dialog->reject();
        } else if (const HelpViewer *viewer = board->findChild<HelpViewer *>())
            seen = QStringLiteral("help %1 %2").arg(viewer->findChild<QTabWidget *>()->currentIndex()).arg(viewer->currentPage());
        else if (!board->isVisible())
            seen = "closed";
        else if (board->game().turn().mstrState == u"Throw 0")
            seen = "new game";
        else if (gblnPlaySound)
            seen = "sounds on";
        QCOMPARE(seen, effect);
        QCOMPARE(Find<QAction>("tlbMain.Sounds")->isChecked(), gblnPlaySound);
    }
};

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
