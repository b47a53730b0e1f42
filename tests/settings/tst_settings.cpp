// The settings: loading with its fallbacks, saving, a store that cannot be written, stored
// data written by anything but the game, and the options dialog on the real board.
#include "TestSupport.h"
#include "board/Shape.h"
#include "board/frmMain.h"
#include "platform/Languages.h"
#include "platform/SettingsStore.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"
#include "settings/frmOptions.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QTabBar>
#include <QColorDialog>
#include <QSlider>
#include <QLineEdit>
#include <QSettings>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace quoxa;
using namespace quoxa::test;

namespace {

const QString kGame = QStringLiteral("Game Settings");

bool ValidSettings()
{
    return gintPlayerCount >= 1 && gintPlayerCount <= 4 && glngDieColor <= 16777215 && glngPipColor <= 16777215 &&
           std::all_of(gstrPlayerName.begin(), gstrPlayerName.end(), [](const QString &n) { return !n.isEmpty() && n.size() <= 25; });
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> board;
    std::unique_ptr<frmOptions> options;

    QLineEdit *Name(int i) { return Find<QLineEdit>(options.get(), QStringLiteral("txtPlayer(%1)").arg(i)); }
    void Click(const char *name) { Find<QAbstractButton>(options.get(), name)->click(); }
    void OpenOptions(int page)
    {
        options.reset(); // before the board that owns it
        SettingsStore::WriteSection(kAppTitle, kGame, {{"Player Count", "2"}, {"Player 1", "Ann"}, {"Sounds", "False"}}, "Ann");
        board = std::make_unique<frmMain>();
        board->cmdThrow_Click();
        options = std::make_unique<frmOptions>(*board, page);
    }
    void ChooseColor(std::optional<QColor> color) // nothing: the chooser is cancelled
    {
        Click("cmdColor");
        auto *chooser = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        if (!color)
            return chooser->reject();
        chooser->setCurrentColor(*color);
        chooser->accept();
    }

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init() { ClearStore(); }
    void cleanup() { options.reset(), board.reset(); } // the options before the board that owns them

    void loadGivesDefaultsAndFallbacks_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored"); // null: the key is missing
        QTest::addColumn<QString>("loaded");
        // Each group: the key, what it loads as, and the stored texts that load so (null: missing).
        const std::tuple<const char *, QString, QStringList> groups[] = {
            {"Player Count", "1", {QString(), "5", "0", "02", " 2", "two", "", "-1"}}, {"Player Count", "4", {"4"}},
            {"Player 3", "Player 3", {QString(), QString(26, 'x'), ""}}, {"Player 3", QString(25, 'x'), {QString(25, 'x')}},
            {"Player 2", "   ", {"   "}}, {"Sounds", "True", {QString(), "false", "1"}}, {"Sounds", "False", {"False"}},
            {"Die Color", "16711680", {QString()}}, {"Die Color", "16777215", {"16777215"}}, {"Die Color", "-5", {"-5"}},
            {"Die Color", "12632256", {"abc", "16777216", "000000255", "", "9e99", "&HFF"}},
            {"Die Color", "2", {"2.5"}}, {"Die Color", "4", {"3.5"}}, {"Die Color", "1000", {" 1e3 "}},
            {"Pip Color", "16777215", {QString()}}, {"Pip Color", "0", {"abc"}}, {"Pip Color", "65280", {"65280"}},
            {"Computer 2", "False", {QString(), "true", "1", "False"}}, {"Computer 2", "True", {"True"}}, {"Computer Delay", "0", {"0"}},
            {"Computer Delay", "500", {QString(), "5001", "-1", "abc", "", " 80", "1e3"}}, {"Computer Delay", "5000", {"5000"}},
            {"Computer Level 2", "3", {QString(), "0", "6", "03", " 4", "Expert"}}, {"Computer Level 4", "5", {"5"}},
            {"Computer Level 1", "1", {"1"}}, {"Computer Level 3", "3", {"5x"}}, {"Computer Delay", "500", {"800ms"}},
            {"Player Count", "1", {"3x"}}, {"Die Color", "12632256", {"255x"}}, {"Zoom", "250", {"250"}},
            {"Zoom", "", {QString(), "120", "0", "350", "-100", "1e2", "big", ""}}, {"Zoom", "100", {"100"}}};
        for (const auto &[key, loaded, stored] : groups)
            for (const QString &text : stored)
                QTest::addRow("%s '%s'", key, qPrintable(text.left(12))) << key << text << loaded;
    }
    void loadGivesDefaultsAndFallbacks()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, loaded);
        if (!stored.isNull())
            Store(kGame, key, stored);
        basRegistry::LoadSettings();
        QCOMPARE(Stored(kGame, key).isValid(), !stored.isNull()); // loading never writes
        basRegistry::SaveSettings(); // and saving writes what was loaded
        QCOMPARE(Stored(kGame, key).toString(), loaded);
    }

    // Each kind of stored data the game never writes loads to valid settings and survives a
    // save and a load. An ordered table takes a new entry in its place; one with a score that
    // is not a whole number (a NUL or a typed value in it) reports the error and stays as it is.
    void hostileStore_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("error");
        const QByteArray table = "[High Scores]\nName%201=A\nScore%201=300\nName%202=B\nScore%202=200\n";
        QTest::newRow("garbage lines and characters") << "[Game Settings]\nPlayer%20Count=3\nno equals sign\n\x01\x02=\x7f\nPlayer%201=A" +
                                                          QByteArray(1, '\0') + "B\nSounds=\xed\xa0\x80\n[Broken\n" + table << 0;
        QTest::newRow("NUL in a score") << "[High Scores]\nName%201=A\nScore%201=4" + QByteArray(1, '\0') + "00\n" << 13;
        QTest::newRow("nested typed score") << "[High Scores]\nName%201=A\nScore%201=@Variant(" + QByteArray(20000, '(') + "\n" << 13;
    }
    void hostileStore()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, error);
        WriteFile(StoreFolder() + QStringLiteral("/Quoxa.conf"), file);
        ErrorRecorder errors; // reported errors are fine; crashes and bad states are not
        basRegistry::LoadSettings();
        QVERIFY(ValidSettings());
        QCOMPARE(frmScores::SaveScore(QStringLiteral("New"), 250), error == 0);
        if (error == 0)
            QCOMPARE(Stored("High Scores", "Score 2").toString() + Stored("High Scores", "Name 3").toString(), "250B");
        else
            QVERIFY(errors.messages.value(0).startsWith(QStringLiteral("Error #: %1\r").arg(error)) && StoreText() == file);
        basRegistry::SaveSettings();
        basRegistry::LoadSettings();
        QVERIFY(ValidSettings());
    }

    // Plain strings: whatever the toolkit's own INI files hold is read as the same text, and
    // what the store writes the toolkit reads back the same.
    void valuesReadAndWrittenAsTheToolkitDoes()
    {
        const QString store = StoreFolder() + QStringLiteral("/Quoxa.conf");
        const QStringList texts{"  blanks  ", "a, b", "c; d", "e=f", "quote \" and \\", "@at", "@Variant(\\0)", "tab\tnew\nline",
                                QStringLiteral("Ünïcode ☺"), QString::fromLatin1("nul\0 7", 6), "\x01" "a",
                                QStringLiteral("Ada 😀𝄞")};
        for (int i = 0; i < texts.size(); ++i) { // each through a file the toolkit has not seen before
            const QString theirs = StoreFolder() + QStringLiteral("/theirs%1.ini").arg(i);
            QSettings(theirs, QSettings::IniFormat).setValue(kGame + "/Player 1", texts[i]);
            QFile::remove(store);
            QVERIFY(QFile::copy(theirs, store));
            QCOMPARE(SettingsStore::ReadSection(kAppTitle, kGame).value("Player 1"), texts[i]);
            SettingsStore::WriteSection(kAppTitle, kGame, {{"Player 2", texts[i]}}, texts[i]);
            QVERIFY(QFile::copy(store, theirs + "2"));
            QCOMPARE(QSettings(theirs + "2", QSettings::IniFormat).value(kGame + "/Player 2").toString(), texts[i]);
        }
        WriteFile(store, "[Game%20Settings]\nPlayer%201=@Variant(\\0x)\n"); // a typed value written by hand is its text, escapes and all
        QCOMPARE(SettingsStore::ReadSection(kAppTitle, kGame).value("Player 1"), QString::fromLatin1("@Variant(\0x)", 12));
    }

    // Any name, an emoji, a rare ideograph or half a UTF-16 pair alone among them, stays as
    // it is through save after save, a player's and in the high-score table; the second save
    // writes the bytes of the first.
    void namesSurviveEverySave()
    {
        for (const QString &name : {QStringLiteral("Ada 😀"), QStringLiteral("𝄞𠀋 \"x\""), QString(QChar(0xD83D)) + "7 " + QChar(0xDE00)}) {
            ClearStore();
            basRegistry::LoadSettings();
            gstrPlayerName[1] = name;
            QVERIFY(frmScores::SaveScore(name, 300));
            QByteArray first;
            for (int save = 1; save <= 2; ++save) {
                basRegistry::SaveSettings();
                basRegistry::LoadSettings();
                QCOMPARE(gstrPlayerName[1] + Stored("High Scores", "Name 1").toString(), name + name);
                QVERIFY(save == 1 || StoreText() == first);
                first = StoreText();
            }
        }
    }

    // A save keeps every line the game does not set, byte for byte in its place, and the
    // file's mode; through a link, the file linked to is written and the link stays. A
    // section deleted takes its keys with it, never the comments and other lines under it.
    void handMadeStoreKeptThroughASave()
    {
        const QByteArray before = "# my games\r\n[Other]\nkey = value ; not ours\n\n[Game%20Settings]\n; how many\n"
                                  " Player%20Count = 2\nno equals sign\nPlayer%201=\"  Ann  \"\nUnknown=1\n"
                                  "\n[High%20Scores]\n; best ever\nName%201=A\nnot a key\nScore%201=300\n[Broken\nPlayer%202=Zed";
        const qsizetype newKeysAt = before.indexOf("Unknown=1\n") + 10;
        for (const QString &linked : {QString(), StoreFolder() + QStringLiteral("/dotfiles/quoxa")}) {
            const QString path = StoreFolder() + QStringLiteral("/Quoxa.conf"), file = linked.isEmpty() ? path : linked;
            QDir(StoreFolder()).removeRecursively();
            QFile written(file);
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && written.open(QIODevice::WriteOnly) && written.write(before) &&
                    written.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
            written.close();
            QVERIFY(linked.isEmpty() || QFile::link(linked, path));
            basRegistry::LoadSettings();
            QCOMPARE(gstrPlayerName[0] + gstrPlayerName[1], QStringLiteral("  Ann  Player 2"));
            gstrPlayerName[1] = "Bo";
            basRegistry::SaveSettings();
            QVERIFY(QFileInfo(path).isSymLink() == !linked.isEmpty() && (written.permissions() & 0x0777) == 0x0644);
            QCOMPARE(StoreText().left(newKeysAt), before.left(newKeysAt));
            QVERIFY(StoreText().endsWith(before.mid(newKeysAt) + "\n"));
            QCOMPARE(Stored(kGame, "Player 2").toString() + Stored(kGame, "Computer Delay").toString(), QStringLiteral("Bo500"));
        }
        SettingsStore::DeleteSection("Quoxa", "High Scores", "the table");
        QVERIFY(StoreText().endsWith("\n; best ever\nnot a key\n[Broken\nPlayer%202=Zed\n") && !StoreText().contains("High%20"));
    }

    // A pipe or a link to something that is not a regular file in the store's place is never
    // opened nor replaced: loading gives the defaults at once, saving reports the error.
    void specialFilesInTheStoresPlace()
    {
        const QString path = StoreFolder() + QStringLiteral("/Quoxa.conf"), pipe = StoreFolder() + QStringLiteral("/pipe");
        for (const QString &link : {QString(), pipe, StoreFolder() + QStringLiteral("/nothing")}) {
            QDir(StoreFolder()).removeRecursively();
            QVERIFY(QDir().mkpath(StoreFolder()) && ::mkfifo(QFile::encodeName(link.isEmpty() ? path : pipe).constData(), 0600) == 0);
            QVERIFY(link.isEmpty() || QFile::link(link, path));
            ErrorRecorder errors;
            basRegistry::LoadSettings();
            QCOMPARE(gstrPlayerName[0], QStringLiteral("Player 1"));
            basRegistry::SaveSettings();
            QVERIFY(errors.messages.size() == 1 && errors.messages[0].startsWith(QStringLiteral("Error #: 75\r")));
            QVERIFY(!QFileInfo(path).isFile() && QFileInfo(path).isSymLink() == !link.isEmpty()); // nothing replaced
        }
        QDir(StoreFolder()).removeRecursively();
        QFile big(path); // nor is a file too large to be a store the game wrote
        QVERIFY(QDir().mkpath(StoreFolder()) && big.open(QIODevice::WriteOnly) && big.resize(5 << 20));
        ErrorRecorder errors;
        basRegistry::SaveSettings();
        QVERIFY(big.size() == 5 << 20 && errors.messages.size() == 1 && big.remove());
    }

    // A write that fails (here: past the largest file this process may write, as on a full
    // disk) leaves the store as it was, leaves nothing beside it, and reports error 75.
    void failedWriteLeavesTheStoreAsItWas()
    {
        Store(kGame, "Player 1", "Ann");
        const QByteArray before = StoreText();
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        const rlimit small{static_cast<rlim_t>(before.size()), old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ErrorRecorder errors;
        QVERIFY(!frmScores::SaveScore(QString(100, u'x'), 300)); // the table would not fit
        gstrPlayerName[1] = QString(25, u'y');
        basRegistry::SaveSettings();
        ::setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(errors.messages.filter(QStringLiteral("Error #: 75\r")).size(), 2);
        QCOMPARE(StoreText(), before);
        QCOMPARE(QDir(StoreFolder()).entryList(QDir::Files), (QStringList{"Quoxa.conf", "Quoxa.lock"}));
    }

    // A save whose last step, the rename over the store, fails (here: the store made
    // immutable) reports error 75 and leaves the store as it was.
    void failedRenameIsReported()
    {
        Store(kGame, "Player 1", "Ann");
        const auto immutable = [](bool on) { return QProcess::execute("chattr", {on ? "+i" : "-i", StoreFolder() + "/Quoxa.conf"}) == 0; };
        if (!immutable(true))
            QSKIP("files cannot be made immutable here");
        ErrorRecorder errors;
        basRegistry::SaveSettings();
        QVERIFY(immutable(false) && errors.messages.value(0).startsWith(QStringLiteral("Error #: 75\r")));
        QCOMPARE(Stored(kGame, "Player 2"), QVariant());
    }

    // The Apply rules, in the middle of a turn with two players, sounds off. Then: Apply
    // enabled, a new game started, sounds on, name boxes enabled, errors, the players listed.
    void optionsApply_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("outcome");
        // Unless a row says otherwise, the two players stay "Ann,Player 2".
        const std::tuple<const char *, int, QStringList, const char *> rows[] = {
            {"after load", 1, {}, "-----20"}, {"name edited", 1, {"name"}, "A----20"}, {"count stepped", 1, {"step"}, "A----30"},
            {"sound chosen", 2, {"sound"}, "A----20"}, {"colour chosen", 0, {"color"}, "-----20"},
            {"colour keeps Apply", 1, {"name", "color"}, "A----20"}, {"Apply", 1, {"name", "step", "apply"}, "-N---30 Zed,Player 2,Player 3"},
            {"page left", 1, {"name", "page"}, "-N---20 Zed,Player 2"}, {"page left unchanged", 1, {"page"}, "-----20"},
            {"sounds page left", 2, {"sound", "page"}, "--S--20"}, {"OK", 1, {"name", "ok"}, "-N---20 Zed,Player 2"},
            {"OK unchanged", 1, {"ok"}, "-----20"}, {"OK sounds", 2, {"sound", "ok"}, "--S--20"},
            {"Cancel", 1, {"name", "step", "cancel"}, "A----30"}, {"Cancel sounds", 2, {"sound", "cancel"}, "A----20"},
            {"Default players", 1, {"name", "default"}, "-N---10 Player 1"}, {"Default sounds", 2, {"default"}, "--S--20"},
            {"typed 7", 1, {"7", "apply"}, "-N---40 Ann,Player 2,Player 3,Player 4"}, {"typed 0", 1, {"0", "apply"}, "-N---10 Ann"},
            {"count emptied", 1, {"", "name", "ok"}, "-----22"}, // reported, nothing applied
            {"Return on Cancel", 1, {"name", "return on cancel"}, "A----20"}, // Return presses the focused button
            {"computer chosen", 3, {"computer", "delay"}, "A----20"}, {"computer toggled by a screen reader", 3, {"toggle"}, "A----20"},
            {"computer applied: a new game", 3, {"computer", "apply"}, "-N-C-20"}, {"pause alone: the game goes on", 3, {"delay", "ok"}, "----D20"},
            {"computer page left", 3, {"computer", "delay", "page"}, "-N-CD20"}, {"computer cancelled", 3, {"computer", "delay", "cancel"}, "A----20"},
            {"computer default", 3, {"computer", "apply", "default"}, "-N---20"}};
        for (const auto &[name, page, actions, outcome] : rows)
            QTest::newRow(name) << page << actions << (QString(outcome).contains(u' ') ? outcome : outcome + QStringLiteral(" Ann,Player 2"));
    }
    void optionsApply()
    {
        QFETCH(int, page);
        QFETCH(QStringList, actions);
        QFETCH(QString, outcome);
        OpenOptions(page);
        const char *firsts[] = {"optColors(1)", "mskPlayerCnt", "optSounds(1)", "chkComputer(1)"}; // the dialog opens on the page's first control
        QCOMPARE(options->focusWidget()->objectName(), QString::fromLatin1(firsts[page]));
        ErrorRecorder errors;
        auto *count = Find<QLineEdit>(options.get(), "mskPlayerCnt");
        const std::map<QString, std::function<void()>> acts{
            {"name", [&] { Name(1)->setText("Zed"); }}, {"sound", [&] { Click("optSounds(1)"); }},
            {"step", [&] { Find(options.get(), "udcPlayerCnt")->findChildren<QAbstractButton *>().first()->click(); }},
            {"computer", [&] { Click("chkComputer(2)"); }}, {"color", [&] { ChooseColor(QColor(255, 0, 0)); }},
            {"toggle", [&] { // no click: what Apply follows is the change
                 QAccessible::queryAccessibleInterface(Find(options.get(), "chkComputer(2)"))->actionInterface()->doAction(
                     QAccessibleActionInterface::toggleAction());
             }},
            {"delay", [&] { Find<QSlider>(options.get(), "sldComputerDelay")->setValue(3); }},
            {"page", [&] { Find<QTabWidget>(options.get(), "tabOptions")->setCurrentIndex(0); }},
            {"return on cancel", [&] {
                 options->show();
                 QTest::keyClick(Find(options.get(), "cmdCancel"), Qt::Key_Return);
                 QVERIFY(!options->isVisible()); // pressed: the dialog is gone
             }}};
        for (const QString &action : actions)
            if (acts.contains(action))
                acts.at(action)();
            else if (action.size() > 1)
                Click(qPrintable("cmd" + action.left(1).toUpper() + action.mid(1)));
            else // a count typed over the old one, or the field emptied
                count->selectAll(), action.isEmpty() ? count->clear() : QTest::keyClicks(count, action);
        QVERIFY(!QTest::currentTestFailed());
        int enabled = 0;
        for (int i = 1; i <= 4; ++i) { // the Computer page names the players and enables them as the Players page
            enabled += Name(i)->isEnabled() ? 1 : 0;
            auto *computer = Find<QCheckBox>(options.get(), QStringLiteral("chkComputer(%1)").arg(i));
            QVERIFY(computer->text() == Name(i)->text() && computer->isEnabled() == Name(i)->isEnabled());
            QCOMPARE(Find(options.get(), QStringLiteral("cboLevel(%1)").arg(i))->isEnabled(), computer->isEnabled() && computer->isChecked());
        }
        const QString shown = QStringLiteral("%1%2%3%4%5 %6")
                                  .arg(Find(options.get(), "cmdApply")->isEnabled() ? "A" : "-",
                                       board->game().turn().mstrState == u"Throw 0" ? "N" : "-",
                                       QString(gblnPlaySound ? "S" : "-") + (gblnComputer[1] ? "C" : "-") +
                                           (gintComputerDelay == 300 ? "D" : "-"))
                                  .arg(enabled).arg(errors.messages.size()).arg(Rows(board.get(), "lvwPlayers").join(',').remove("=0"));
        QCOMPARE(shown, outcome);
        QCOMPARE(Find<QAction>(board.get(), "tlbMain.Sounds")->isChecked(), gblnPlaySound);
        QCOMPARE(errors.messages.value(0, "Error #: 13\rType mismatch"), QStringLiteral("Error #: 13\rType mismatch"));
    }

    // Where no name is given, a player is "Player 3" in the player's language, on the board
    // and by the Players page's Default; the store keeps "Player 3", and every name typed.
    void defaultNamesInThePlayersLanguage()
    {
        for (const auto &[key, name] : {std::pair{"Player 2", "Player 2"}, {"Player 3", "Ada"}})
            Store(kGame, key, name);
        Languages::Install({"de"});
        OpenOptions(1);
        const QString loaded = gstrPlayerName[0] + "," + gstrPlayerName[1] + "," + gstrPlayerName[2];
        Name(2)->setText("Bea");
        Click("cmdDefault"); // the default again, in German
        basRegistry::SaveSettings();
        Languages::Install({"en"});
        QCOMPARE(loaded + "|" + Name(2)->text() + "|" + Stored(kGame, "Player 1").toString() + "," + Stored(kGame, "Player 3").toString(),
                 "Ann,Spieler 2,Ada|Spieler 2|Player 1,Player 3");
    }

    // A level is chosen beside its check box, enabled with it, a new computer at "Club"; on
    // Apply it plays from the next move on, with no new game; Cancel keeps what was applied.
    void computerLevels()
    {
        OpenOptions(3);
        auto *level = Find<QComboBox>(options.get(), "cboLevel(2)"); // enabled with its box, as optionsApply checks
        Click("chkComputer(2)");
        QVERIFY(level->isEnabled() && level->currentText() == "Club");
        Click("cmdApply"); // a computer chosen: a new game
        board->cmdThrow_Click();
        QTest::keyClick(level, Qt::Key_End);
        QVERIFY(Find(options.get(), "cmdApply")->isEnabled() && level->currentText() == "Perfect");
        Click("cmdApply");
        QCOMPARE(board->game().turn().mstrState + QString::number(gintComputerLevel[1]), "Throw 15");
        QTest::keyClick(level, Qt::Key_Home);
        Click("cmdCancel");
        board->close();
        QCOMPARE(Stored(kGame, "Computer Level 2"), QVariant("5"));
    }

    // The count field is one stop in the tab order: its Up and Down keys step it, each step
    // told; it and its stepper are named. The tab headers show when they have the focus.
    void optionsByKeyboard()
    {
        OpenOptions(1);
        options->show();
        QVERIFY(QTest::qWaitForWindowActive(options.get()));
        SpokenLines heard;
        auto *count = Find<QLineEdit>(options.get(), "mskPlayerCnt");
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Up); // the field's own keys step, and the step is told
        QTRY_COMPARE(count->text() + "|" + heard.lines.join(u',') + "|" + count->accessibleDescription(), QStringLiteral("3|3|3"));
        QTest::keyClick(count, Qt::Key_Tab); // one stop for the count: then the names, each read once, not selected
        QVERIFY(QApplication::focusWidget() == Name(1) && !Name(1)->hasSelectedText());
        for (int stop = 0; stop < 20; ++stop) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != Find(options.get(), "udcPlayerCnt"));
        }
        QVERIFY(!Find(options.get(), "udcPlayerCnt")->accessibleName().isEmpty() && !count->accessibleName().isEmpty());
        QWidget *tabs = options->findChild<QTabBar *>();
        const QImage resting = tabs->grab().toImage();
        tabs->setFocus();
        QVERIFY(tabs->hasFocus() && tabs->grab().toImage() != resting);
        QCOMPARE(Find(options.get(), "chkComputer(1)")->accessibleName(), "The computer plays for: " + Name(1)->text());
        heard.lines.clear();
        Click("cmdDefault"); // what Default did is told
        QCOMPARE(heard.lines, QStringList{"Players: back to the defaults."});
    }

    void coloursActAtOnceAndAreStored()
    {
        OpenOptions(0);
        glngDieColor = -1; // a stored colour may be negative: cancelling keeps it as it is
        ChooseColor(std::nullopt);
        QCOMPARE(glngDieColor, -1);
        Click("optColors(2)");
        ChooseColor(QColor(255, 0, 0));
        Click("cmdCancel");
        QCOMPARE(glngPipColor, 255);
        QCOMPARE(Find<Shape>(board.get(), "shpPip7(5)")->fillColor(), QColor(255, 0, 0));
        QCOMPARE(Find(board.get(), "lblQuestion(3)")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        board->close();
        QCOMPARE(Stored(kGame, "Pip Color").toString(), QStringLiteral("255"));
        glngDieColor = 255;
        Click("cmdDefault");
        QCOMPARE(glngPipColor, 16777215);
        QCOMPARE(Find<Shape>(board.get(), "shpDie(1)")->fillColor(), QColor(0, 0, 255));
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
