#include "engine/Game.h"
#include "platform/ErrorTrap.h"
#include "platform/basWave.h"
#include "settings/basMain.h"

#include <QLocale>
#include <array>

namespace quoxa {
namespace {

// What entering each turn state sets and does. "New Game" is a request only: it stores
// "Throw 0" and keeps the player.
enum class Marks { Untouched, Show, Hide };

struct TurnRow {
    QStringView requested;
    QStringView stored;
    bool canHold, canScore, canUndo;
    int rolls;
    QStringView face;
    bool releaseHolds;
    Marks questionMarks;
    bool nextPlayer;
};

constexpr std::array<TurnRow, 7> kTurnStates{{
    {u"Continue", u"Continue", false, false, true, 0, u"CONTINUE", true, Marks::Untouched, false},
    {u"Game Over", u"Game Over", false, false, false, 0, u"NEWGAME", true, Marks::Untouched, false},
    {u"New Game", u"Throw 0", false, false, false, 3, u"THROW", true, Marks::Show, false},
    {u"Throw 0", u"Throw 0", false, false, false, 3, u"THROW", true, Marks::Show, true},
    {u"Throw 1", u"Throw 1", true, true, false, 2, u"THROW", false, Marks::Hide, false},
    {u"Throw 2", u"Throw 2", true, true, false, 1, u"THROW", false, Marks::Untouched, false},
    {u"Throw 3", u"Throw 3", false, true, false, 0, u"THROW", true, Marks::Untouched, false},
}};

// The throw button throws in these states and enters the next.
struct ThrowStep {
    QStringView from, to;
};
constexpr std::array<ThrowStep, 3> kThrows{{
    {u"Throw 0", u"Throw 1"}, {u"Throw 1", u"Throw 2"}, {u"Throw 2", u"Throw 3"}}};

} // namespace

QString FormatGameTotal(Int16 total)
{
    return QLocale().toString(total.value());
}

Game::Game(Board &board, RandomSource &random) : mBoard(board), mRandom(random) {}

void Game::StartNewGame()
{
    Trap([&] {
        mintPlayer = 1;
        mintScored = 0;
        ResetScoreSheets();
        ShowPlayerSheet();
        FillPlayerList();
        SetTurnState(QStringLiteral("New Game"));
    });
}

void Game::ResetScoreSheets()
{
    Trap([&] {
        for (int p = 1; p <= PlayerTable::kUpperBound; ++p)
            gudtPlayer(p).Reset();
    });
}

void Game::SetTurnState(const QString &state)
{
    Trap([&] {
        mstrPrevState = mstrState;
        for (const TurnRow &row : kTurnStates) {
            if (row.requested != state)
                continue;
            mblnCanHold = row.canHold;
            mblnCanScore = row.canScore;
            mblnCanUndo = row.canUndo;
            mintRolls = row.rolls;
            mstrState = row.stored.toString();
            if (row.releaseHolds)
                mBoard.ReleaseHolds();
            mBoard.RefreshPointers();
            mBoard.ShowStatusText();
            mBoard.SetThrowButtonFace(row.face.toString());
            if (row.questionMarks != Marks::Untouched)
                mBoard.ShowQuestionMarks(row.questionMarks == Marks::Show);
            if (row.nextPlayer)
                NextPlayer();
            break;
        }
    });
    mBoard.SetUndoEnabled(mblnCanUndo);
}

void Game::cmdThrow_Click()
{
    Trap([&] {
        if (mstrState == u"Continue") {
            SetTurnState(QStringLiteral("Throw 0"));
        } else if (mstrState == u"Game Over") {
            StartNewGame();
        } else {
            for (const ThrowStep &step : kThrows) {
                if (mstrState == step.from) {
                    ThrowDice();
                    SetTurnState(step.to.toString());
                    break;
                }
            }
        }
        mblnQuoxa = CheckForQuoxa();
        if (mblnQuoxa)
            mBoard.ShowCelebration();
    });
}

void Game::ThrowDice()
{
    Trap([&] {
        if (gblnPlaySound)
            basWave::PlayWave(QStringLiteral("THROW"));
        mRandom.Reseed();
        for (int die = 1; die <= 5; ++die) {
            if (mBoard.IsHeld(die))
                continue;
            const int value = FaceFromDraw(mRandom.Next());
            mBoard.SetDieTag(die, QString::number(value));
            mBoard.ShowFace(die, value);
        }
    });
}

bool Game::CheckForQuoxa() const
{
    return Trap([&] {
        for (int die = 1; die <= 4; ++die)
            if (mBoard.DieTag(die) != mBoard.DieTag(die + 1))
                return false;
        return mblnCanScore;
    });
}

void Game::NextPlayer()
{
    Trap([&] {
        if (gintPlayerCount <= 1)
            return;
        mintPlayer = mintPlayer == gintPlayerCount ? Int16(1) : mintPlayer + 1;
        mBoard.SelectPlayerRow(mintPlayer.value());
        ShowPlayerSheet();
    });
}

void Game::ShowPlayerSheet()
{
    Trap([&] {
        const PlayerSheet &sheet = gudtPlayer(mintPlayer.value());
        for (const SheetRow &row : kScoreSheet)
            mBoard.ShowScoreCell(row.label, sheet.*row.field);
    });
}

void Game::FillPlayerList()
{
    Trap([&] {
        mBoard.ClearPlayerList();
        for (int p = 1; p <= gintPlayerCount.value(); ++p)
            mBoard.AddPlayerRow(gudtPlayer(p).strName, FormatGameTotal(gudtPlayer(p).intGameTotal));
        mBoard.SelectPlayerRow(1);
    });
}

bool Game::SaveHighScores()
{
    return Trap([&] {
        bool entered = false;
        for (int p = 1; p <= gintPlayerCount.value(); ++p) {
            const PlayerSheet &sheet = gudtPlayer(p);
            if (sheet.intGameTotal > 0 && mBoard.SaveScore(sheet.strName, sheet.intGameTotal))
                entered = true;
        }
        return entered;
    });
}

} // namespace quoxa
