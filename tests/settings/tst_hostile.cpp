// Stored data written by anything but the game: thousands of random and malformed values in
// both sections must load to a valid state, leave the table in order and never crash.
#include "TestSupport.h"
#include "board/frmMain.h"
#include "engine/FakeBoard.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace quoxa;
using namespace quoxa::test;

namespace {

const QString kGame = QStringLiteral("Game Settings");
const QString kScores = QStringLiteral("High Scores");

const QStringList kEdges{"", " ", "0", "-0", "1", "4", "5", "-1", "32767", "32768", "-32768", "-32769",
                         "16777215", "16777216", "-16777216", "2147483648", "1e308", "-1e308", "1e-308",
                         "NaN", "inf", "0x10", "&HFF", "1,000", "1.5", " 2.5 ", "00000001", "+3", "True",
                         "False", "true", "@Variant(\\0\\0\\0\\x7f)", "a,b", "\"quoted\"", "=", "[Game Settings]"};

class Hostile {
public:
    explicit Hostile(quint32 seed) : mRandom(seed) {}

    QString Text()
    {
        switch (mRandom.bounded(6)) {
        case 0:
            return kEdges[mRandom.bounded(static_cast<int>(kEdges.size()))];
        case 1: { // any UTF-16 units at all, lone surrogates and NULs included
            QString s(mRandom.bounded(40), Qt::Uninitialized);
            for (QChar &c : s)
                c = QChar(static_cast<char16_t>(mRandom.bounded(0x10000)));
            return s;
        }
        case 2:
            return QString(mRandom.bounded(2000, 60000), QChar(u'0' + mRandom.bounded(10)));
        case 3:
            return QString::number(mRandom.bounded(-40000, 40000));
        case 4:
            return QString(mRandom.bounded(30), QChar(u'a' + mRandom.bounded(26)));
        default:
            return QString::number(mRandom.generateDouble() * 1e9 - 5e8, 'g', mRandom.bounded(1, 17));
        }
    }
    bool Chance(int percent) { return static_cast<int>(mRandom.bounded(100)) < percent; }
    int Number(int below) { return static_cast<int>(mRandom.bounded(below)); }

private:
    QRandomGenerator mRandom;
};

// The stored table's scores, place by place, while every occupied place reads as a number
// and they run from high to low with no gap; empty when the table is not in that shape.
std::optional<QList<int>> OrderedTable()
{
    QList<int> scores;
    bool gap = false;
    for (int n = 1; n <= 10; ++n) {
        const QString name = Stored(kScores, QStringLiteral("Name %1").arg(n)).toString();
        if (name.isEmpty()) {
            gap = true;
            continue;
        }
        bool ok = false;
        const int score = Stored(kScores, QStringLiteral("Score %1").arg(n)).toString().toInt(&ok);
        if (gap || !ok || score < -32768 || score > 32767 || (!scores.isEmpty() && score > scores.last()))
            return std::nullopt;
        scores << score;
    }
    return scores;
}

} // namespace

class HostileDataTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseScratchSettings(); }

    void anythingStoredLoadsPlaysAndSaves()
    {
        Hostile hostile(20261206);
        ErrorRecorder errors; // reported errors are fine; crashes and bad states are not
        EngineFixture play;
        QSettings store(QStringLiteral("Quoxa"), QStringLiteral("Quoxa"));
        const QString file = store.fileName();
        for (int round = 0; round < 150; ++round) {
            store.clear();
            const QStringList gameKeys{"Player Count", "Player 1", "Player 2", "Player 3", "Player 4",
                                       "Sounds", "Die Color", "Pip Color"};
            for (const QString &key : gameKeys)
                if (hostile.Chance(80))
                    store.setValue(kGame + "/" + key, hostile.Text());
            // Half the rounds keep a table in good order around hostile names.
            const bool ordered = hostile.Chance(50);
            int score = 32000;
            for (int n = 1; n <= 10; ++n) {
                if (ordered && n > 1 + hostile.Number(10))
                    break;
                score -= hostile.Number(3000);
                store.setValue(kScores + QStringLiteral("/Name %1").arg(n), ordered ? hostile.Text() + "x" : hostile.Text());
                store.setValue(kScores + QStringLiteral("/Score %1").arg(n), ordered ? QString::number(score) : hostile.Text());
            }
            store.sync();
            if (hostile.Chance(10)) { // and now and then, garbage in the file itself
                QFile raw(file);
                QVERIFY(raw.open(QIODevice::Append));
                raw.write(hostile.Text().toUtf8());
            }

            basRegistry::LoadSettings();
            QVERIFY(gintPlayerCount >= 1 && gintPlayerCount <= 4);
            for (int p = 1; p <= 4; ++p)
                QVERIFY(!gudtPlayer(p).strName.isEmpty() && gudtPlayer(p).strName.size() <= 25);
            QVERIFY(glngDieColor <= 16777215 && glngPipColor <= 16777215);

            // A scoring, and the end of a game's offer to the table.
            const std::optional<QList<int>> before = OrderedTable();
            const QString name = gudtPlayer(1).strName;
            play.Begin(gintPlayerCount.value());
            gudtPlayer(1).strName = name;
            play.random.draws = {DrawFor(6), DrawFor(6), DrawFor(5), DrawFor(5), DrawFor(5)};
            play.game->cmdThrow_Click();
            play.game->RecordScore(u"lblChance");
            QCOMPARE(gudtPlayer(1).intGameTotal.value(), 27);
            const bool entered = frmScores::SaveScore(gudtPlayer(1).strName, hostile.Number(32767) + 1);
            if (before) {
                const std::optional<QList<int>> after = OrderedTable();
                QVERIFY2(after, qPrintable(QStringLiteral("round %1: the table lost its order").arg(round)));
                QCOMPARE(after->size(), std::min<qsizetype>(before->size() + (entered ? 1 : 0), 10));
            }

            basRegistry::SaveSettings();
            basRegistry::LoadSettings();
            QVERIFY(gintPlayerCount >= 1 && gintPlayerCount <= 4);
        }
    }

    void unwritableStoreKeepsTheGameGoing()
    {
        ClearStore();
        frmMain board;
        gblnPlaySound = false;
        // A plain file where the store's folder belongs: nobody, root included, can write.
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quoxa");
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        ErrorRecorder errors;
        for (const SheetRow &row : kScoreSheet) {
            if (!row.isCategory())
                continue;
            board.cmdThrow_Click();
            board.cmdThrow_Click();
            board.game().RecordScore(row.label);
            if (board.game().mstrState == u"Continue")
                board.cmdThrow_Click();
        }
        QCOMPARE(board.game().mstrState, QStringLiteral("Game Over"));
        QVERIFY(gudtPlayer(1).intGameTotal > 0); // the game and its total are still there
        QCOMPARE(errors.messages.size(), 1);     // the table could not take the total
        QVERIFY(errors.messages.first().startsWith(QStringLiteral("Error #: 75\r")));
        board.close();
        QCOMPARE(errors.messages.size(), 2);     // nor the settings
        blocker.remove();
    }
};

QTEST_MAIN(HostileDataTest)
#include "tst_hostile.moc"
