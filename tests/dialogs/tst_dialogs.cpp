// The side windows and the services they use: the five-alike celebration, the About
// window, the sound player and the help file.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmQuoxa.h"
#include "scores/frmScores.h"
#include "platform/HelpViewer.h"
#include "platform/basHelp.h"
#include "settings/basMain.h"
#include "settings/frmOptions.h"
#include "platform/DesignControls.h"
#include "platform/WindowPlace.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidgetItemIterator>
#include <QtEndian>
#include <cmath>
#include <sys/stat.h>

using namespace quoxa;
using namespace quoxa::test;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init() { ClearStore(); } // every board starts a game of its own

    // --help and --version answer and end the program, with no display to open a window on.
    void helpAndVersionWithoutAWindow()
    {
        for (const auto &[option, answer] : {std::pair{"--help", "Usage: "}, {"--version", "quoxa 2.0\n"}}) {
            QProcess program;
            program.setEnvironment(QProcess::systemEnvironment().filter(QRegularExpression("^(?!DISPLAY=|QT_QPA_PLATFORM=)"))
                                   << "QT_QPA_PLATFORM=xcb"); // a window would need a display
            program.start(QStringLiteral(QUOXA_PROGRAM), {option});
            QVERIFY(program.waitForFinished() && program.exitCode() == 0 && program.readAllStandardOutput().startsWith(answer));
        }
    }

    // Five alike on the board: the celebration sounds on its first tick, swings right,
    // left and right again, and closes itself after its last tick.
    void celebrationOfFiveAlike()
    {
        ScriptedRandom random("6666666666");
        frmMain board(&random);
        PlayedClips clips;
        QList<int> lefts; // the word's place after ticks 1, 11, 31 and 41
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto *window = qobject_cast<frmQuoxa *>(QApplication::activeModalWidget());
            if (window)
                QCOMPARE(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name), "Quoxa!"); // heard as its word
            for (int tick = 1; window && tick <= 42; ++tick) { // the test drives the ticks itself
                Find<QTimer>(window, "tmrQuoxa")->stop();
                QVERIFY(window->isVisible());
                window->tmrQuoxa_Timer();
                if (tick % 10 == 1 && tick != 21)
                    lefts << Find(window, "lblQuoxa")->property("Left").toInt();
            }
        });
        poll.start(5);
        gblnPlaySound = false;
        board.cmdThrow_Click(); // five sixes on the first throw: the celebration opens, and the game goes on
        QCOMPARE(board.game().turn().mstrState, QStringLiteral("Throw 1"));
        QTRY_COMPARE(lefts, (QList<int>{450, 950, -50, 450}));
        QTRY_VERIFY(!QApplication::activeModalWidget()); // closed after its last tick
        poll.stop();
        QVERIFY(clips.played.isEmpty());
        for (int die = 1; die <= 5; ++die)
            board.fraDie_Click(die);
        board.cmdThrow_Click();
        board.cmdThrow_Click(); // the third throw, all five kept: celebrated each time
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<frmQuoxa *>(window))
                window->close();
        gblnPlaySound = true;
        board.cmdThrow_Click(); // a press in "Throw 3" with five alike still there
        QTRY_COMPARE(clips.played, QStringList{"QUOXA 6"});
    }

    // Sounds come before what they announce and play from memory; the real player never
    // hangs the game, with or without a device.
    void soundsComeFirstAndNeverHang()
    {
        ScriptedRandom random("12345");
        frmMain board(&random);
        gblnPlaySound = true;
        PlayedClips clips;
        auto *hold = Find(&board, "shpHold(2)");
        clips.snapshot = [&] { return Find(&board, "shpDie(1)")->property("Tag").toString() + (hold->isHidden() ? "free" : "held"); };
        board.cmdThrow_Click();
        board.fraDie_Click(2);
        board.fraDie_Click(2);
        basWave::PlayWave(QStringLiteral("HOLD"), 0);
        basWave::PlayWave(QStringLiteral("NO SUCH CLIP"));
        QCOMPARE(clips.played, (QStringList{"THROW 6 free", "HOLD 6 1free", "UNHOLD 6 1held", "HOLD 4 1free"}));
        ErrorRecorder errors;
        QElapsedTimer clock;
        clock.start();
        basWave::SetPlayer(clips.old); // the real player
        basWave::PlayWave(QStringLiteral("CHIMES")); // 1.69 s, or nothing without a device
        QVERIFY(clock.elapsed() < 1690 + 1500 && errors.messages.isEmpty());
    }

    // What a screen reader hears of the side windows: names, descriptions, groups, the hidden
    // label that names a level box, a header shown to no one, and the stops Tab reaches.
    // Escape closes none of them; About alternates its two pictures in one place every second,
    // and Return presses its focused button, OK from the start.
    void sideWindowsHeardAndKeptOpenOnEscape()
    {
        StoreSettings({{"Player Count", "2"}, {"Player 2", "Bo"}, {"Die Color", "255"}, {"Computer Delay", "500"}});
        frmMain board;
        frmOptions options(board, frmOptions::Colors);
        frmScores scores(nullptr);
        frmAbout about(nullptr);
        frmQuoxa celebration(nullptr);
        QWidget owner;
        basHelp::ShowHelpContents(&owner, QStringLiteral(QUOXA_HELP_FILE));
        const std::array<std::array<QString, 3>, 10> table{{{"fraOptions(0)", "name", "Colors (group)"}, {"fraOptions(1)", "name", "Sounds (group)"},
            {"cmdColor", "description", "Dice: red 255, green 0, blue 0"}, {"cboLevel(2)", "label", "Level of Bo: Club"},
            {"sldComputerDelay", "description", "0.5 s"}, {"udcPlayerCnt", "description", "2"}, {"lvwScores", "name", "High Scores"},
            {"lvwScores", "header", "Place"}, {"contents", "name", "Contents"},
            {"cmdOk", "tab", "License|Quoxa 2.0|https://quoxa.example.org|quoxa@example.org|OK"}}};
        for (const auto &[control, aspect, heard] : table) {
            QWidget *widget = about.findChild<QWidget *>(control); // About's OK before the others'
            for (QObject *window : std::initializer_list<QObject *>{&options, &scores, &owner})
                widget = widget ? widget : window->findChild<QWidget *>(control);
            QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(widget);
            QStringList texts;
            for (QWidget *next = widget; aspect == u"tab" && texts.size() < 5;)
                if ((next = next->nextInFocusChain())->focusPolicy() & Qt::TabFocus)
                    texts << QAccessible::queryAccessibleInterface(next)->text(QAccessible::Name);
            for (const auto &[label, relation] : shown->relations(aspect == u"label" ? QAccessible::Label : QAccessible::Relation()))
                texts << label->text(QAccessible::Name);
            if (aspect != u"tab" && aspect != u"label")
                texts << (aspect == u"header" ? shown->child(0) : shown)->text(aspect == u"description" ? QAccessible::Description : QAccessible::Name);
            texts.removeAll(QString());
            QCOMPARE(texts.join('|') + (shown->role() == QAccessible::Grouping ? " (group)" : ""), heard);
        }
        for (QDialog *window : std::initializer_list<QDialog *>{&celebration, &scores, &about}) {
            window->show();
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY2(window->isVisible(), qPrintable(window->objectName()));
        }
        QWidget *first = Find(&about, "imgAbout1"), *second = Find(&about, "imgAbout2");
        for (bool firstShown : {true, false, true}) {
            QVERIFY(first->isVisible() == firstShown && second->isVisible() != firstShown);
            about.tmrAbout_Timer();
        }
        QVERIFY(second->pos() == first->pos() && about.focusWidget()->objectName() == u"cmdOk");
        QTest::keyClick(about.focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!about.isVisible());
    }

    // Every window keeps the design's colours and font whatever the desktop's theme: under a
    // dark application palette and a font of the desktop's (set as a platform theme sets it,
    // once the game runs) each one looks exactly as under none. And every text
    // colour of the design stands out at least 4.5:1 from its background, disabled too.
    void designColoursUnderAnyTheme()
    {
        const auto luminance = [](const QColor &c) {
            const auto channel = [](qreal v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        const QPalette design = DesignPalette();
        const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
            {QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base}, {QPalette::ButtonText, QPalette::Button},
            {QPalette::HighlightedText, QPalette::Highlight}, {QPalette::ToolTipText, QPalette::ToolTipBase},
            {QPalette::PlaceholderText, QPalette::Base}, {QPalette::Link, QPalette::Base}};
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (const auto &[text, background] : pairs) {
                const qreal a = luminance(design.color(group, text)), b = luminance(design.color(group, background));
                QVERIFY2((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= 4.5, qPrintable(QString::number(text)));
            }
        const auto windows = [] {
            frmMain board;
            frmOptions options(board, frmOptions::Players);
            frmScores scores(&board);
            frmAbout about(&board);
            frmQuoxa celebration(&board);
            basHelp::ShowHelpContents(&board, QStringLiteral(QUOXA_HELP_FILE));
            QList<QWidget *> all{&board, &options, &scores, &about, &celebration, Find<HelpViewer>(&board, QString()),
                                 Find(&board, "mnuGame"), Find(&options, "dlgColors")};
            QList<QImage> shots;
            for (QWidget *window : all) {
                window->show();
                shots << window->grab().toImage();
            }
            return shots;
        };
        const QList<QImage> light = windows();
        const QPalette saved = QApplication::palette();
        const QColor ink(230, 230, 230), shade(40, 40, 40); // text, and all that was grey or white
        QApplication::setPalette(QPalette(ink, shade, shade, Qt::black, shade, ink, ink, shade, shade));
        QApplication::setFont(QFont("DejaVu Sans", 10));
        const QList<QImage> shaded = windows();
        QApplication::setPalette(saved);
        for (qsizetype i = 0; i < light.size(); ++i)
            QVERIFY2(shaded[i] == light[i], qPrintable(QString::number(i)));
    }

    // A help file that is missing, a pipe, empty, cut short, random, or damaged so that
    // the reader crashes (a bad compression header, a window size of 0) shows no viewer
    // and no message, and the game goes on.
    void helpShowsNothingForWhatIsMissingOrDamaged()
    {
        const QByteArray chm = FileText(QStringLiteral(QUOXA_HELP_FILE));
        const qsizetype lzxc = chm.indexOf("LZXC");
        QVERIFY(lzxc > 0);
        QByteArray badHeader = chm, noWindow = chm; // compression version 3; a window size of 0
        qToLittleEndian<quint32>(3, badHeader.data() + lzxc + 4);
        qToLittleEndian<quint32>(0, noWindow.data() + lzxc + 12);
        QByteArray noise(chm.size(), Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        for (const auto &[name, file] : // a null file: none at all; "pipe": a pipe
             {std::pair{"missing", QByteArray()}, {"pipe", QByteArray("pipe")}, {"empty", QByteArray("")},
              {"a tenth", chm.left(chm.size() / 10)}, {"nine tenths", chm.left(chm.size() * 9 / 10)}, {"random", noise},
              {"compression header", badHeader}, {"window size 0", noWindow}}) {
            QWidget owner;
            ErrorRecorder errors;
            const QString path = StoreFolder() + QStringLiteral("/Quoxa.chm");
            QDir(StoreFolder()).removeRecursively();
            QVERIFY(QDir().mkpath(StoreFolder()));
            if (file == "pipe")
                QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
            else if (!file.isNull())
                WriteFile(path, file);
            basHelp::ShowHelpContents(&owner, path);
            QVERIFY2(!owner.findChild<HelpViewer *>() && errors.messages.isEmpty(), name);
        }
    }

    // Where a side window opens (the review's frame 770 x 745, at least 410 x 325; the help's
    // 760 x 545) by a board's frame of 482 x 466: beside it on the side with room, narrowed to
    // the room there; else where it covers the least of it; always on the board's screen.
    void sideWindowsOpenBesideTheBoard()
    {
        const QRect wide(0, 0, 1600, 1000), laptop(0, 0, 1366, 768);
        const QSize review(770, 745), least(410, 325), help(760, 545);
        for (const auto &[room, board, size, at] : { // the board at the centre, the left and the right of each screen, ...
                 std::tuple{wide, QRect(560, 250, 482, 466), review, QRect(1050, 250, 550, 745)}, {wide, QRect(0, 250, 482, 466), review, QRect(490, 250, 770, 745)},
                 {wide, QRect(1118, 250, 482, 466), review, QRect(340, 250, 770, 745)}, {laptop, QRect(442, 150, 482, 466), review, QRect(932, 23, 434, 745)},
                 {laptop, QRect(442, 150, 482, 466), help, QRect(932, 150, 434, 545)}, {laptop, QRect(884, 150, 482, 466), review, QRect(106, 23, 770, 745)},
                 {laptop, QRect(442, 0, 482, 466), QSize(640, 250), QRect(442, 474, 640, 250)}, // ... below it, at its least where it has no room,
                 {QRect(0, 0, 1024, 768), QRect(271, 150, 482, 466), review, QRect(614, 23, 410, 745)}, // and on a second screen
                 {QRect(1920, 0, 1280, 1024), QRect(1950, 100, 482, 466), QSize(640, 590), QRect(2440, 100, 640, 590)}})
            QCOMPARE(PlaceBeside(board, size, least, room), at);
        // Read right to left, the left side comes first when both have room.
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const QRect left = PlaceBeside(QRect(560, 250, 482, 466), review, least, wide);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(left, QRect(0, 250, 552, 745));
    }

    // A link in a page, reached with Tab, is told and opens its page; Back and Forward (Alt+Left and Alt+Right) go through
    // the pages shown; the contents pane follows the page, and its arrow keys open pages; it fits every title.
    void helpLinksBackForwardAndContents()
    {
        QWidget owner;
        basHelp::ShowHelpTopic(&owner, QStringLiteral(QUOXA_HELP_FILE), "nothing.htm"); // the home page instead
        auto *viewer = Find<HelpViewer>(&owner, QString());
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        auto *page = Find<QTextBrowser>(viewer, "page");
        auto *contents = Find<QTreeWidget>(viewer, "contents");
        const auto shown = [&] { return viewer->currentPage() + " " + contents->currentItem()->text(0); };
        QCOMPARE(shown(), "/html/welcome.htm Welcome to Quoxa");
        page->setFocus();
        QTest::keyClick(page, Qt::Key_Down); // a caret, for a reader to read the page line by line
        QCOMPARE(page->textCursor().block().text(), page->document()->firstBlock().next().text());
        page->moveCursor(QTextCursor::Start);
        SpokenLines told;
        QTest::keyClick(page, Qt::Key_Tab); // the first link, "How to play", told to a screen reader
        QTRY_COMPARE(told.lines, QStringList{"Link: How to play"});
        const std::tuple<QWidget *, Qt::Key, Qt::KeyboardModifiers, const char *> steps[] = { // where a key goes, what it shows
            {page, Qt::Key_Return, {}, "/html/howtoplay.htm How to play"}, {viewer, Qt::Key_Left, Qt::AltModifier, "/html/welcome.htm Welcome to Quoxa"},
            {viewer, Qt::Key_Right, Qt::AltModifier, "/html/howtoplay.htm How to play"}, {contents, Qt::Key_Down, {}, "/html/scoring.htm Categories and bonuses"}};
        for (const auto &[to, key, modifiers, seen] : steps) {
            if (to == contents)
                contents->setFocus();
            QTest::keyClick(to, key, modifiers);
            QCOMPARE(shown(), seen);
        }
        // Asked for again (F1), minimised or not, the help comes back on the page it shows, not on its first page.
        viewer->showMinimized();
        basHelp::ShowHelpContents(&owner, QStringLiteral(QUOXA_HELP_FILE));
        QCOMPARE(shown() + QString(" %1 %2").arg(viewer->isMinimized()).arg(owner.findChildren<HelpViewer *>().size()), "/html/scoring.htm Categories and bonuses 0 1");
        // Heard, the contents: a title with titles under it is opened out; one without is no more than a title.
        const QAccessibleTableInterface *titles = QAccessible::queryAccessibleInterface(contents)->tableInterface();
        const auto state = [&](int row) { const QAccessible::State s = titles->cellAt(row, 0)->state(); return QString("%1 %2").arg(s.expandable).arg(s.expanded); };
        QCOMPARE(state(0) + ", " + state(1), "1 1, 0 0"); // "Welcome to Quoxa", "How to play" (no titles under it)
        // The contents pane shows every title whole, in every language.
        for (const QString language : {"", ".de", ".fr", ".es", ".it", ".nl", ".pt_BR"}) {
            QWidget holder;
            basHelp::ShowHelpContents(&holder, QString(QUOXA_HELP_FILE).replace(".chm", language + ".chm"));
            auto *pane = Find<QTreeWidget>(Find<HelpViewer>(&holder, QString()), "contents");
            QVERIFY(QTest::qWaitForWindowExposed(pane->window()));
            for (QTreeWidgetItemIterator it(pane); *it; ++it)
                QVERIFY2(pane->visualItemRect(*it).width() >= pane->fontMetrics().horizontalAdvance((*it)->text(0)) + 6,
                         qPrintable((*it)->text(0)));
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
