// The game engine against a recording board: turn states, throws, turns and game end.
#include "TestSupport.h"
#include "engine/FakeBoard.h"
#include "engine/Game.h"
#include "platform/ErrorTrap.h"
#include "settings/basMain.h"

#include <QTest>

using namespace quoxa;
using namespace quoxa::test;

class EngineTest : public QObject, EngineFixture {
    Q_OBJECT

private slots:
    void init() { Begin(1); }

    void errorsAreReportedAndTheCallerCarriesOn()
    {
        ErrorRecorder errors;
        bool carriedOn = false;
        const int result = Trap([] { return (Int16(30000) + Int16(3000)).value(); });
        carriedOn = true;
        QCOMPARE(result, 0);
        QVERIFY(carriedOn);
        QCOMPARE(errors.messages, QStringList{QStringLiteral("Error #: 6\rOverflow")});
        Trap([] { gudtPlayer(5); });
        QCOMPARE(errors.messages.last(), QStringLiteral("Error #: 9\rSubscript out of range"));
    }

    void checkedNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");  // meaningful when error is 0
        QTest::addColumn<int>("error");
        QTest::newRow("plain") << "123" << 123 << 0;
        QTest::newRow("blanks") << " -45 " << -45 << 0;
        QTest::newRow("lowest") << "-32768" << -32768 << 0;
        QTest::newRow("above") << "32768" << 0 << 6;
        QTest::newRow("huge") << "99999999999999999999999" << 0 << 6;
        QTest::newRow("word") << "abc" << 0 << 13;
        QTest::newRow("fraction") << "1.5" << 0 << 13;
        QTest::newRow("empty") << "" << 0 << 13;
    }
    void checkedNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(int, error);
        try {
            QCOMPARE(Int16::Parse(text).value(), value);
            QCOMPARE(error, 0);
        } catch (const RunError &e) {
            QCOMPARE(e.number(), error);
        }
    }

    void turnStates_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("canHold");
        QTest::addColumn<bool>("canScore");
        QTest::addColumn<bool>("canUndo");
        QTest::addColumn<int>("rolls");
        QTest::addColumn<QStringList>("calls");
        const auto calls = [](QString face, QStringList extra, bool release, bool undo) {
            QStringList list;
            if (release)
                list << "ReleaseHolds";
            list << "RefreshPointers" << "ShowStatusText" << QStringLiteral("SetThrowButtonFace(%1)").arg(face);
            list << extra << (undo ? "SetUndoEnabled(true)" : "SetUndoEnabled(false)");
            return list;
        };
        QTest::newRow("New Game") << "New Game" << "Throw 0" << false << false << false << 3
                                  << calls("THROW", {"ShowQuestionMarks(true)"}, true, false);
        QTest::newRow("Throw 0") << "Throw 0" << "Throw 0" << false << false << false << 3
                                 << calls("THROW", {"ShowQuestionMarks(true)"}, true, false);
        QTest::newRow("Throw 1") << "Throw 1" << "Throw 1" << true << true << false << 2
                                 << calls("THROW", {"ShowQuestionMarks(false)"}, false, false);
        QTest::newRow("Throw 2") << "Throw 2" << "Throw 2" << true << true << false << 1
                                 << calls("THROW", {}, false, false);
        QTest::newRow("Throw 3") << "Throw 3" << "Throw 3" << false << true << false << 0
                                 << calls("THROW", {}, true, false);
        QTest::newRow("Continue") << "Continue" << "Continue" << false << false << true << 0
                                  << calls("CONTINUE", {}, true, true);
        QTest::newRow("Game Over") << "Game Over" << "Game Over" << false << false << false << 0
                                   << calls("NEWGAME", {}, true, false);
    }
    void turnStates()
    {
        QFETCH(QString, requested);
        QFETCH(QString, stored);
        QFETCH(bool, canHold);
        QFETCH(bool, canScore);
        QFETCH(bool, canUndo);
        QFETCH(int, rolls);
        QFETCH(QStringList, calls);
        game->SetTurnState(QStringLiteral("Throw 2"));
        board.log.clear();

        game->SetTurnState(requested);
        QCOMPARE(game->mstrPrevState, QStringLiteral("Throw 2"));
        QCOMPARE(game->mstrState, stored);
        QCOMPARE(game->mblnCanHold, canHold);
        QCOMPARE(game->mblnCanScore, canScore);
        QCOMPARE(game->mblnCanUndo, canUndo);
        QCOMPARE(game->mintRolls.value(), rolls);
        QCOMPARE(board.log, calls);
    }

    void unknownWordChangesNothingButRemembersThePreviousState()
    {
        game->SetTurnState(QStringLiteral("Continue"));
        board.log.clear();
        game->SetTurnState(QStringLiteral("throw 1"));
        QCOMPARE(game->mstrState, QStringLiteral("Continue"));
        QCOMPARE(game->mstrPrevState, QStringLiteral("Continue"));
        QCOMPARE(board.log, QStringList{"SetUndoEnabled(true)"});
    }

    void throwKeepsHeldDiceAndDrawsOncePerThrownDie()
    {
        game->cmdThrow_Click();
        board.tags = {"1", "2", "3", "4", "5"};
        board.held = {false, true, false, true, false};
        random.draws = {DrawFor(6), DrawFor(6), DrawFor(6)};
        random.used = random.reseeds = 0;
        board.log.clear();

        game->ThrowDice();
        QCOMPARE(random.reseeds, 1);
        QCOMPARE(random.used, 3);
        QCOMPARE(board.tags, (std::array<QString, 5>{"6", "2", "6", "4", "6"}));
        QCOMPARE(board.Calls("ShowFace"), (QStringList{"ShowFace(1,6)", "ShowFace(3,6)", "ShowFace(5,6)"}));
    }

    void faceFromDraw_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("face");
        QTest::newRow("zero") << 0.0f << 1;
        QTest::newRow("just below a sixth") << 0.1666f << 1;
        QTest::newRow("a sixth") << 0.16667f << 2;
        QTest::newRow("half") << 0.5f << 4;
        QTest::newRow("largest below one") << std::nextafter(1.0f, 0.0f) << 6;
    }
    void faceFromDraw()
    {
        QFETCH(float, draw);
        QFETCH(int, face);
        QCOMPARE(FaceFromDraw(draw), face);
    }

    void reseedingNeverRepeatsTheDice()
    {
        ClockRandomSource source;
        std::array<float, 40> first{}, second{};
        source.Reseed();
        for (float &r : first)
            r = source.Next();
        source.Reseed(); // in the same clock tick or not, the draws must differ
        for (float &r : second)
            r = source.Next();
        QVERIFY(first != second);
        for (float r : first)
            QVERIFY(r >= 0.0f && r < 1.0f);
    }

    void throwButtonCountsThrowsDown()
    {
        for (int i = 0; i < 15; ++i)
            random.draws.push_back(DrawFor(i % 5 + 1));
        const QStringList expected{"Throw 1", "Throw 2", "Throw 3", "Throw 3"};
        for (const QString &state : expected) {
            game->cmdThrow_Click();
            QCOMPARE(game->mstrState, state);
        }
        QCOMPARE(random.reseeds, 3); // the press in "Throw 3" throws nothing
        QVERIFY(board.Calls("ShowCelebration").isEmpty());
    }

    void fiveAlikeIsCelebratedAfterEveryPressThatLeavesThem()
    {
        random.draws = {DrawFor(4), DrawFor(4), DrawFor(4), DrawFor(4), DrawFor(4)};
        game->cmdThrow_Click();
        QVERIFY(game->mblnQuoxa);
        QCOMPARE(board.Calls("ShowCelebration").size(), 1);

        game->SetTurnState(QStringLiteral("Throw 3"));
        game->cmdThrow_Click();
        QCOMPARE(board.Calls("ShowCelebration").size(), 2);

        // Not while scoring is not allowed: the dice stay, the turn is over.
        game->SetTurnState(QStringLiteral("Continue"));
        QVERIFY(!game->CheckForQuoxa());
    }

    void nextPlayer_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("one") << 1 << QList<int>{1, 1, 1};
        QTest::newRow("three") << 3 << QList<int>{2, 3, 1, 2};
        QTest::newRow("four") << 4 << QList<int>{2, 3, 4, 1};
    }
    void nextPlayer()
    {
        QFETCH(int, players);
        QFETCH(QList<int>, order);
        Begin(players);
        for (int expected : order) {
            game->SetTurnState(QStringLiteral("Continue"));
            board.log.clear();
            game->cmdThrow_Click(); // Continue: the next player's turn
            QCOMPARE(game->mintPlayer.value(), expected);
            QCOMPARE(board.Calls("SelectPlayerRow").size(), players > 1 ? 1 : 0);
            QCOMPARE(board.Calls("ShowScoreCell").size(), players > 1 ? 18 : 0);
        }
    }

    void newGameKeepsNamesAndEmptiesAllFourSheets()
    {
        Begin(2);
        game->cmdThrow_Click();
        game->SetTurnState(QStringLiteral("Continue"));
        game->cmdThrow_Click();
        gudtPlayer(4).intChance = 17;
        gudtPlayer(4).intGameTotal = 17;
        board.log.clear();

        game->StartNewGame();
        QCOMPARE(game->mintPlayer.value(), 1);
        QCOMPARE(game->mstrState, QStringLiteral("Throw 0"));
        QCOMPARE(gudtPlayer(4).intChance.value(), -1);
        QCOMPARE(gudtPlayer(4).intGameTotal.value(), 0);
        QCOMPARE(gudtPlayer(4).strName, QStringLiteral("P4"));
        const QStringList list = board.log.mid(18, 4);
        QCOMPARE(list, (QStringList{"ClearPlayerList", "AddPlayerRow(P1,0)", "AddPlayerRow(P2,0)", "SelectPlayerRow(1)"}));
        QVERIFY(board.Calls("SetDieTag").isEmpty()); // the dice keep their values
    }

    void onlyTotalsAboveZeroAreOffered()
    {
        Begin(3);
        gudtPlayer(1).intGameTotal = 120;
        gudtPlayer(2).intGameTotal = 0;
        gudtPlayer(3).intGameTotal = 95;
        gudtPlayer(4).intGameTotal = 300; // not playing
        QVERIFY(!game->SaveHighScores());
        QCOMPARE(board.offered, (QStringList{"P1=120", "P3=95"}));
        board.entering = {"P3"};
        QVERIFY(game->SaveHighScores());
    }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"
