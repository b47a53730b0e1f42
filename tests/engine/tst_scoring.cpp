// Scoring, totals, bonuses, the end of the game and undo, against a recording board.
#include "TestSupport.h"
#include "engine/FakeBoard.h"
#include "engine/Game.h"
#include "settings/basMain.h"

#include <QLocale>
#include <QTest>

using namespace quoxa;
using namespace quoxa::test;

class ScoringTest : public QObject, EngineFixture {
    Q_OBJECT

    // Throws the given faces (all five dice, nothing held) and leaves the turn in "Throw n".
    void Throw(const QString &faces, int throws = 1)
    {
        if (game->mstrState == u"Continue")
            game->cmdThrow_Click();
        for (int t = 0; t < throws; ++t)
            for (QChar face : faces)
                random.draws.push_back(DrawFor(face.digitValue()));
        for (int t = 0; t < throws; ++t)
            game->cmdThrow_Click();
    }

    int Score(const QString &faces, const char *label)
    {
        Throw(faces);
        game->RecordScore(QString::fromLatin1(label));
        return (gudtPlayer(game->mintPlayer.value()).*FindSheetRow(QString::fromLatin1(label))->field).value();
    }

    const PlayerSheet &Sheet() { return gudtPlayer(game->mintPlayer.value()); }

private slots:
    void init() { Begin(1); }

    void rules_data()
    {
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("score");
        const struct {
            const char *dice;
            std::initializer_list<std::pair<const char *, int>> scores;
        } examples[] = {
            {"33355", {{"lblFullHouse", 25}, {"lblThreeOfAKind", 19}, {"lblFourOfAKind", 0}, {"lblThrees", 9},
                       {"lblFives", 10}, {"lblChance", 19}}},
            {"44444", {{"lblFullHouse", 25}, {"lblQuoxa", 50}, {"lblFourOfAKind", 20}, {"lblThreeOfAKind", 20},
                       {"lblSmallStraight", 0}, {"lblLargeStraight", 0}, {"lblFours", 20}}},
            {"12346", {{"lblSmallStraight", 30}, {"lblLargeStraight", 0}}},
            {"23456", {{"lblLargeStraight", 40}, {"lblSmallStraight", 30}}},
            {"13456", {{"lblSmallStraight", 30}}},
            {"11234", {{"lblSmallStraight", 30}, {"lblLargeStraight", 0}}},
            {"12345", {{"lblLargeStraight", 40}, {"lblOnes", 1}, {"lblSixes", 0}, {"lblQuoxa", 0}}},
            {"66662", {{"lblFourOfAKind", 26}, {"lblFullHouse", 0}, {"lblTwos", 2}, {"lblSixes", 24}}},
        };
        for (const auto &example : examples)
            for (const auto &[label, score] : example.scores)
                QTest::addRow("%s %s", example.dice, label) << example.dice << label << score;
    }
    void rules()
    {
        QFETCH(QString, dice);
        QFETCH(QString, label);
        QFETCH(int, score);
        QCOMPARE(Score(dice, qPrintable(label)), score);
        QVERIFY(board.log.contains(QStringLiteral("ShowScoreCell(%1,%2)").arg(label).arg(score)));
        QCOMPARE(game->mstrState, QStringLiteral("Continue"));
    }

    void upperBonus_data()
    {
        QTest::addColumn<QStringList>("throws"); // one throw per category, Ones to Sixes
        QTest::addColumn<int>("bonus");
        // Three of each face make 63; a fourth one makes 64.
        QTest::newRow("63 earns nothing") << QStringList{"11123", "22211", "33311", "44411", "55511", "66611"} << 0;
        QTest::newRow("64 earns 35") << QStringList{"11112", "22211", "33311", "44411", "55511", "66611"} << 35;
    }
    void upperBonus()
    {
        QFETCH(QStringList, throws);
        QFETCH(int, bonus);
        const char *labels[] = {"lblOnes", "lblTwos", "lblThrees", "lblFours", "lblFives", "lblSixes"};
        for (int i = 0; i < 6; ++i)
            Score(throws[i], labels[i]);
        QCOMPARE(Sheet().intTotal.value(), bonus ? 64 : 63);
        QCOMPARE(Sheet().intBonus.value(), bonus);
        QCOMPARE(Sheet().intSection1Total.value(), Sheet().intTotal.value() + bonus);
        QCOMPARE(Sheet().intGameTotal.value(), Sheet().intSection1Total.value());
    }

    void everyFurtherFiveAlikeEarns100()
    {
        QCOMPARE(Score("33333", "lblQuoxa"), 50);
        QCOMPARE(Sheet().intBonus.value(), 0);
        QCOMPARE(Score("66666", "lblSixes"), 30);
        QCOMPARE(Sheet().intBonus.value(), 100);
        QCOMPARE(Score("22222", "lblSmallStraight"), 0);
        QCOMPARE(Sheet().intQuoxaCount.value(), 3);
        QCOMPARE(Sheet().intBonus.value(), 200);
        QCOMPARE(Sheet().intGameTotal.value(), 50 + 30 + 200);
        QVERIFY(board.log.contains("SetPlayerScore(1,280)"));
    }

    void fiveAlikeNeverPaysOnceQuoxaHoldsZero()
    {
        QCOMPARE(Score("12345", "lblQuoxa"), 0);
        Score("66666", "lblSixes");
        Score("55555", "lblChance");
        QCOMPARE(Sheet().intQuoxaCount.value(), 0);
        QCOMPARE(Sheet().intBonus.value(), 0);
    }

    void clicksOutsideTheThrowsOrOnScoredCategoriesAreIgnored()
    {
        const auto unchanged = [&](const char *label) {
            const QStringList before = board.log;
            game->RecordScore(QString::fromLatin1(label));
            return board.log == before;
        };
        QVERIFY(unchanged("lblChance")); // "Throw 0"
        Score("12345", "lblChance");
        QVERIFY(unchanged("lblOnes")); // "Continue"
        Throw("11111", 2);
        QCOMPARE(game->mstrState, QStringLiteral("Throw 2"));
        QVERIFY(unchanged("lblChance")); // already scored
        QCOMPARE(Sheet().intChance.value(), 15);
    }

    void gameEndsAfterThirteenScoringsEach_data()
    {
        QTest::addColumn<int>("players");
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
    }
    void gameEndsAfterThirteenScoringsEach()
    {
        QFETCH(int, players);
        Begin(players);
        int scorings = 0;
        for (int round = 0; round < 13; ++round) {
            for (int p = 1; p <= players; ++p) {
                QCOMPARE(game->mstrState, scorings ? QStringLiteral("Continue") : QStringLiteral("Throw 0"));
                Throw("12346");
                QCOMPARE(game->mintPlayer.value(), p);
                game->RecordScore(kScoreSheet[static_cast<std::size_t>(round < 6 ? round : round + 3)].label);
                ++scorings;
            }
        }
        QCOMPARE(game->mstrState, QStringLiteral("Game Over"));
        QCOMPARE(game->mintPlayer.value(), players);
        QCOMPARE(game->mintScored.value(), 13 * players);
        QCOMPARE(board.log.last(), QStringLiteral("SetUndoEnabled(false)"));
        QCOMPARE(board.offered.size(), players); // every total above 0 was offered
        game->cmdThrow_Click(); // the "NEWGAME" face starts a new game
        QCOMPARE(game->mstrState, QStringLiteral("Throw 0"));
        QCOMPARE(game->mintScored.value(), 0);
    }

    void undoPutsTheTurnBackWhereItWas()
    {
        Throw("23456", 2);
        board.held = {true, false, true, false, false};
        game->RecordScore(u"lblLargeStraight");
        QCOMPARE(Sheet().intGameTotal.value(), 40);
        QCOMPARE(board.Calls("SetUndoEnabled").last(), QStringLiteral("SetUndoEnabled(true)"));

        game->UndoLastScore();
        QCOMPARE(Sheet().intLargeStraight.value(), -1);
        QVERIFY(board.log.contains("ReopenScoreCell(lblLargeStraight)"));
        QCOMPARE(Sheet().intGameTotal.value(), 0);
        QCOMPARE(game->mstrState, QStringLiteral("Throw 2"));
        QCOMPARE(game->mintRolls.value(), 1);
        QCOMPARE(game->mintScored.value(), 0);
        QCOMPARE(board.held, (std::array<bool, 5>{}));
        QCOMPARE(board.Calls("SetUndoEnabled").last(), QStringLiteral("SetUndoEnabled(false)"));

        game->RecordScore(u"lblLargeStraight");
        QCOMPARE(Sheet().intLargeStraight.value(), 40);
    }

    void undoTakesTheBonusBack()
    {
        Score("66666", "lblSixes");
        Score("55555", "lblFives");
        QCOMPARE(Score("44441", "lblFours"), 16); // 30 + 25 + 16 = 71
        QCOMPARE(Sheet().intBonus.value(), 35);
        game->UndoLastScore();
        QCOMPARE(Sheet().intTotal.value(), 55);
        QCOMPARE(Sheet().intBonus.value(), 0);
    }

    void undoMirrorsTheFiveAlikeCount()
    {
        Score("33333", "lblQuoxa");
        game->UndoLastScore();
        QCOMPARE(Sheet().intQuoxaCount.value(), 0);
        game->RecordScore(u"lblQuoxa");
        QCOMPARE(Sheet().intQuoxaCount.value(), 1);

        Score("44444", "lblChance");
        QCOMPARE(Sheet().intQuoxaCount.value(), 2);
        QCOMPARE(Sheet().intBonus.value(), 100);
        game->UndoLastScore();
        QCOMPARE(Sheet().intQuoxaCount.value(), 1);
        QCOMPARE(Sheet().intBonus.value(), 0);
    }

    void totalsAreGroupedInTheListOnly_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("listed");
        QTest::newRow("English") << "en_US" << "1,234";
        QTest::newRow("German") << "de_DE" << "1.234";
    }
    void totalsAreGroupedInTheListOnly()
    {
        QFETCH(QString, locale);
        QFETCH(QString, listed);
        QLocale::setDefault(QLocale(locale));
        gudtPlayer(1).intChance = 1234;
        game->UpdateTotals();
        QLocale::setDefault(QLocale::c());
        QVERIFY(board.log.contains("ShowScoreCell(lblGameTotal,1234)"));
        QCOMPARE(board.log.last(), QStringLiteral("SetPlayerScore(1,%1)").arg(listed));
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
