// Loading and saving the game settings through a throw-away store.
#include "TestSupport.h"
#include "engine/PlayerSheet.h"
#include "settings/ColorValue.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"

#include <QTest>

using namespace quoxa;
using namespace quoxa::test;

namespace {

const QString kGame = QStringLiteral("Game Settings");

// The global a stored key ends up in, as text.
QString Loaded(const QString &key)
{
    if (key == u"Player Count")
        return gintPlayerCount.toString();
    if (key.startsWith(u"Player "))
        return gudtPlayer(key.mid(7).toInt()).strName;
    if (key == u"Sounds")
        return gblnPlaySound ? QStringLiteral("True") : QStringLiteral("False");
    return QString::number(key == u"Die Color" ? glngDieColor : glngPipColor);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }
    void init() { ClearStore(); }

    void loadGivesDefaultsAndFallbacks_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored"); // invalid: the key is missing
        QTest::addColumn<QString>("loaded");
        const QVariant missing;
        const auto row = [](const char *name, QString key, QVariant stored, QString loaded) {
            QTest::newRow(name) << key << stored << loaded;
        };
        row("count missing", "Player Count", missing, "1");
        row("count 3", "Player Count", "3", "3");
        row("count 4", "Player Count", "4", "4");
        for (const char *bad : {"5", "0", "02", " 2", "two", "", "-1"})
            row(qPrintable(QStringLiteral("count '%1'").arg(bad)), "Player Count", bad, "1");
        row("name missing", "Player 3", missing, "Player 3");
        row("name of 25", "Player 3", QString(25, 'x'), QString(25, 'x'));
        row("name of 26", "Player 3", QString(26, 'x'), "Player 3");
        row("name empty", "Player 3", "", "Player 3");
        row("name of spaces", "Player 2", "   ", "   ");
        row("sounds missing", "Sounds", missing, "True");
        row("sounds False", "Sounds", "False", "False");
        row("sounds true", "Sounds", "true", "True");
        row("sounds 1", "Sounds", "1", "True");
        row("sounds false", "Sounds", "false", "True");
        row("die missing", "Die Color", missing, "16711680");
        row("die red", "Die Color", "255", "255");
        row("die white", "Die Color", "16777215", "16777215");
        row("die abc", "Die Color", "abc", "12632256");
        row("die too big", "Die Color", "16777216", "12632256");
        row("die nine characters", "Die Color", "000000255", "12632256");
        row("die empty", "Die Color", "", "12632256");
        row("die negative", "Die Color", "-5", "-5");
        row("die half down to even", "Die Color", "2.5", "2");
        row("die half up to even", "Die Color", "3.5", "4");
        row("die exponent", "Die Color", " 1e3 ", "1000");
        row("die beyond 32 bits", "Die Color", "9e99", "12632256");
        row("die hex", "Die Color", "&HFF", "12632256");
        row("pip missing", "Pip Color", missing, "16777215");
        row("pip abc", "Pip Color", "abc", "0");
        row("pip green", "Pip Color", "65280", "65280");
    }
    void loadGivesDefaultsAndFallbacks()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, loaded);
        if (stored.isValid())
            Store(kGame, key, stored.toString());
        basRegistry::LoadSettings();
        QCOMPARE(Loaded(key), loaded);
    }

    void emptyStoreGivesTheGameDefaults()
    {
        basRegistry::LoadSettings();
        QCOMPARE(gintPlayerCount.value(), 1);
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(gudtPlayer(n).strName, QStringLiteral("Player %1").arg(n));
        QVERIFY(gblnPlaySound);
        QCOMPARE(glngDieColor, 16711680);
        QCOMPARE(glngPipColor, 16777215);
        QCOMPARE(Stored(kGame, "Player Count"), QVariant()); // loading never writes
    }

    void saveWritesEveryKeyAndLoadsBackTheSame()
    {
        Store(kGame, "Player Count", "2");
        Store(kGame, "Player 1", "Ann");
        Store(kGame, "Player 4", QString(30, 'z')); // too long: saved as its key
        Store(kGame, "Sounds", "False");
        Store(kGame, "Die Color", "255");
        Store(kGame, "Pip Color", "abc");
        basRegistry::LoadSettings();
        basRegistry::SaveSettings();

        const std::pair<const char *, const char *> expected[] = {
            {"Player Count", "2"}, {"Player 1", "Ann"}, {"Player 2", "Player 2"}, {"Player 3", "Player 3"},
            {"Player 4", "Player 4"}, {"Sounds", "False"}, {"Die Color", "255"}, {"Pip Color", "0"}};
        for (const auto &[key, value] : expected)
            QCOMPARE(Stored(kGame, key).toString(), QString::fromUtf8(value));
        QVERIFY(gudtPlayer(1).strName.isEmpty()); // saving clears the player table

        basRegistry::LoadSettings();
        for (const auto &[key, value] : expected)
            QCOMPARE(Loaded(key), QString::fromUtf8(value));
    }

    void unwritableStoreIsReportedNotFatal()
    {
        // A plain file where the store's folder belongs: nobody, root included, can write.
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quoxa");
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ErrorRecorder errors;
        gintPlayerCount = 3;
        basRegistry::SaveSettings();
        blocker.remove();
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().startsWith(QStringLiteral("Error #: 75\r")));
    }

    void colorsConvertBothWays_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QColor>("color");
        QTest::newRow("blue") << 16711680 << QColor(0, 0, 255);
        QTest::newRow("red") << 255 << QColor(255, 0, 0);
        QTest::newRow("grey") << 12632256 << QColor(192, 192, 192);
        QTest::newRow("mixed") << 0x336699 << QColor(0x99, 0x66, 0x33);
    }
    void colorsConvertBothWays()
    {
        QFETCH(int, stored);
        QFETCH(QColor, color);
        QCOMPARE(ColorFromStored(stored), color);
        QCOMPARE(StoredFromColor(color), stored);
    }

    void negativeColorShowsItsLow24Bits()
    {
        QCOMPARE(ColorFromStored(-1), QColor(255, 255, 255));
        QCOMPARE(ColorFromStored(-16777216), QColor(0, 0, 0));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
