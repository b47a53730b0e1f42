// The settings: loading with its fallbacks, saving, a store that cannot be written, stored
// data written by anything but the game, and the options dialog on the real board.
#include "TestSupport.h"
#include "board/Shape.h"
#include "board/frmMain.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"
#include "settings/frmOptions.h"

#include <QColorDialog>
#include <QLineEdit>

using namespace quoxa;
using namespace quoxa::test;

namespace {

const QString kGame = QStringLiteral("Game Settings");

// The global a stored key ends up in, as text.
QString Loaded(const QString &key)
{
    if (key.startsWith(u"Player ") && key != u"Player Count")
        return gudtPlayer(key.mid(7).toInt()).strName;
    const QMap<QString, QString> globals{{"Player Count", gintPlayerCount.toString()}, {"Sounds", gblnPlaySound ? "True" : "False"},
                                         {"Die Color", QString::number(glngDieColor)}, {"Pip Color", QString::number(glngPipColor)}};
    return globals.value(key);
}

bool ValidSettings()
{
    bool valid = gintPlayerCount >= 1 && gintPlayerCount <= 4 && glngDieColor <= 16777215 && glngPipColor <= 16777215;
    for (int p = 1; p <= 4; ++p)
        valid = valid && !gudtPlayer(p).strName.isEmpty() && gudtPlayer(p).strName.size() <= 25;
    return valid;
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
        Store(kGame, "Player Count", "2");
        Store(kGame, "Player 1", "Ann");
        Store(kGame, "Sounds", "False");
        board = std::make_unique<frmMain>();
        board->cmdThrow_Click();
        options = std::make_unique<frmOptions>(*board, page);
    }
    void ChooseColor(std::optional<QColor> color) // nothing: the chooser is cancelled
    {
        QTimer::singleShot(0, [color] {
            auto *chooser = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            if (!color)
                return chooser->reject();
            chooser->setCurrentColor(*color);
            chooser->accept();
        });
        Click("cmdColor");
    }

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init() { ClearStore(); }
    void cleanup()
    {
        options.reset();
        board.reset();
    }

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
            {"Pip Color", "16777215", {QString()}}, {"Pip Color", "0", {"abc"}}, {"Pip Color", "65280", {"65280"}}};
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
        QCOMPARE(Loaded(key), loaded);
        QCOMPARE(Stored(kGame, key).isValid(), !stored.isNull()); // loading never writes
    }

    // Each kind of stored data the game never writes loads to valid settings, lets an
    // ordered table take a new entry in its place, and survives a save and a load.
    void hostileStore_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray table = "[High Scores]\nName%201=A\nScore%201=300\nName%202=B\nScore%202=200\n";
        QTest::newRow("garbage lines") << "[Game Settings]\nPlayer%20Count=3\nno equals sign\n\x01\x02=\x7f\n[Broken\n" + table;
        QTest::newRow("typed values") << "[Game Settings]\nPlayer%20Count=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x2)\n"
                                         "Die%20Color=@Rect(1 2 3 4)\nPlayer%201=a, b, c\n" + table;
        QTest::newRow("control characters") << "[Game Settings]\nPlayer%201=A" + QByteArray(1, '\0') + "B\nSounds=\xed\xa0\x80\n" + table;
        QTest::newRow("very long") << "[Game Settings]\nPlayer%202=" + QByteArray(60000, 'n') + "\nPip%20Color=" +
                                          QByteArray(60000, '7') + "\n" + table;
    }
    void hostileStore()
    {
        QFETCH(QByteArray, file);
        QDir().mkpath(StoreFolder());
        QFile store(StoreFolder() + QStringLiteral("/Quoxa.conf"));
        QVERIFY(store.open(QIODevice::WriteOnly) && store.write(file) == file.size());
        store.close();
        ErrorRecorder errors; // reported errors are fine; crashes and bad states are not
        basRegistry::LoadSettings();
        QVERIFY(ValidSettings());
        QVERIFY(frmScores::SaveScore(QStringLiteral("New"), 250));
        QCOMPARE(Stored("High Scores", "Score 2").toString() + Stored("High Scores", "Name 3").toString(), "250B");
        basRegistry::SaveSettings();
        basRegistry::LoadSettings();
        QVERIFY(ValidSettings());
    }

    // The Apply rules, in the middle of a turn with two players, sounds off. Then: Apply
    // enabled, a new game started, sounds on, name boxes enabled, errors, the players listed.
    void optionsApply_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char *name, int page, QStringList actions, const char *outcome) {
            QTest::newRow(name) << page << actions << outcome;
        };
        row("after load", 1, {}, "---20 Ann,Player 2");
        row("name edited", 1, {"name"}, "A--20 Ann,Player 2");
        row("count stepped", 1, {"step"}, "A--30 Ann,Player 2");
        row("sound chosen", 2, {"sound"}, "A--20 Ann,Player 2");
        row("colour chosen", 0, {"color"}, "---20 Ann,Player 2");
        row("colour keeps Apply", 1, {"name", "color"}, "A--20 Ann,Player 2");
        row("Apply", 1, {"name", "step", "apply"}, "-N-30 Zed,Player 2,Player 3");
        row("page left", 1, {"name", "page"}, "-N-20 Zed,Player 2");
        row("page left unchanged", 1, {"page"}, "---20 Ann,Player 2");
        row("sounds page left", 2, {"sound", "page"}, "--S20 Ann,Player 2");
        row("OK", 1, {"name", "ok"}, "-N-20 Zed,Player 2");
        row("OK unchanged", 1, {"ok"}, "---20 Ann,Player 2");
        row("OK sounds", 2, {"sound", "ok"}, "--S20 Ann,Player 2");
        row("Cancel", 1, {"name", "step", "cancel"}, "A--30 Ann,Player 2");
        row("Cancel sounds", 2, {"sound", "cancel"}, "A--20 Ann,Player 2");
        row("Default players", 1, {"name", "default"}, "-N-10 Player 1");
        row("Default sounds", 2, {"default"}, "--S20 Ann,Player 2");
        row("typed 7", 1, {"7", "apply"}, "-N-40 Ann,Player 2,Player 3,Player 4");
        row("typed 0", 1, {"0", "apply"}, "-N-10 Ann");
        row("count emptied", 1, {"", "name", "ok"}, "---22 Ann,Player 2"); // reported, nothing applied
    }
    void optionsApply()
    {
        QFETCH(int, page);
        QFETCH(QStringList, actions);
        QFETCH(QString, outcome);
        OpenOptions(page);
        ErrorRecorder errors;
        for (const QString &action : actions) {
            if (action == u"name")
                Name(1)->setText("Zed");
            else if (action == u"step")
                Find(options.get(), "udcPlayerCnt")->findChildren<QAbstractButton *>().first()->click();
            else if (action == u"sound")
                Click("optSounds(1)");
            else if (action == u"color")
                ChooseColor(QColor(255, 0, 0));
            else if (action == u"page")
                Find<QTabWidget>(options.get(), "tabOptions")->setCurrentIndex(0);
            else if (action.size() > 1)
                Click(qPrintable("cmd" + action.left(1).toUpper() + action.mid(1)));
            else { // a count typed over the old one, or the field emptied
                auto *count = Find<QLineEdit>(options.get(), "mskPlayerCnt");
                count->selectAll();
                action.isEmpty() ? count->clear() : QTest::keyClicks(count, action);
            }
        }
        int enabled = 0;
        for (int i = 1; i <= 4; ++i) {
            enabled += Name(i)->isEnabled() ? 1 : 0;
            QCOMPARE(Name(i)->palette().color(QPalette::Base), Name(i)->isEnabled() ? Qt::white : QColor(192, 192, 192));
        }
        const QString shown = QStringLiteral("%1%2%3%4%5 %6")
                                  .arg(Find(options.get(), "cmdApply")->isEnabled() ? "A" : "-",
                                       board->game().mstrState == u"Throw 0" ? "N" : "-", gblnPlaySound ? "S" : "-")
                                  .arg(enabled).arg(errors.messages.size()).arg(Rows(board.get(), "lvwPlayers").join(',').remove("=0"));
        QCOMPARE(shown, outcome);
        QCOMPARE(Find<QAction>(board.get(), "tlbMain.Sounds")->isChecked(), gblnPlaySound);
        QCOMPARE(errors.messages.value(0, "Error #: 13\rType mismatch"), QStringLiteral("Error #: 13\rType mismatch"));
    }

    void coloursActAtOnceAndAreStored()
    {
        OpenOptions(0);
        ChooseColor(std::nullopt);
        QCOMPARE(glngDieColor, 16711680);
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
