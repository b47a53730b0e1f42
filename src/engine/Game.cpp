#include "engine/Game.h"
#include "platform/ErrorTrap.h"

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

void Game::StartNewGame(const Players &players)
{
    mPlayers = players;
    StartNewGame();
}

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

void Game::SetTurnState(QString state)
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
        mBoard.PlaySound(QStringLiteral("THROW"));
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
        if (mPlayers.count <= 1)
            return;
        mintPlayer = mintPlayer == mPlayers.count ? Int16(1) : mintPlayer + 1;
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
        for (int p = 1; p <= mPlayers.count.value(); ++p)
            mBoard.AddPlayerRow(gudtPlayer(p).strName, FormatGameTotal(gudtPlayer(p).intGameTotal));
        mBoard.SelectPlayerRow(1);
    });
}

void Game::RecordScore(QStringView label)
{
    Trap([&] {
        const SheetRow *row = FindSheetRow(label);
        if (!row || !row->isCategory())
            throw RunError::SubscriptOutOfRange();
        PlayerSheet &sheet = CurrentSheet();
        if (sheet.*row->field != PlayerSheet::kUnscored || !mblnCanScore)
            return;

        const std::array<int, 5> values = DiceValues();
        const Int16 score = row->rule(DiceCounts::Of(values));
        sheet.*row->field = score;
        mBoard.ShowScoreCell(row->label, score);

        if (mblnQuoxa && sheet.intQuoxa == 50)
            sheet.intQuoxaCount += 1;
        mlblLastScored = row;
        UpdateTotals();
        EndTurn();
    });
}

std::array<int, 5> Game::DiceValues() const
{
    std::array<int, 5> values{};
    for (int die = 1; die <= 5; ++die) {
        const int x = Int16::Parse(mBoard.DieTag(die)).value();
        if (x < 1 || x > 6)
            throw RunError::SubscriptOutOfRange();
        values[static_cast<std::size_t>(die - 1)] = x;
    }
    return values;
}

void Game::UpdateTotals()
{
    Trap([&] {
        PlayerSheet &sheet = CurrentSheet();
        const auto sum = [&](int section) {
            Int16 total;
            for (const SheetRow &row : kScoreSheet)
                if (row.isCategory() && row.section == section && sheet.*row.field != PlayerSheet::kUnscored)
                    total += sheet.*row.field;
            return total;
        };
        sheet.intTotal = sum(1);
        mBoard.ShowScoreCell(u"lblTotal", sheet.intTotal);

        Int16 bonus = sheet.intTotal > 63 ? 35 : 0;
        if (sheet.intQuoxaCount > 1)
            bonus += (sheet.intQuoxaCount - 1) * 100;
        sheet.intBonus = bonus;
        mBoard.ShowScoreCell(u"lblBonus", sheet.intBonus);

        sheet.intSection1Total = sheet.intTotal + sheet.intBonus;
        mBoard.ShowScoreCell(u"lblSection1Total", sheet.intSection1Total);
        sheet.intSection2Total = sum(2);
        mBoard.ShowScoreCell(u"lblSection2Total", sheet.intSection2Total);
        sheet.intGameTotal = sheet.intSection2Total + sheet.intSection1Total;
        mBoard.ShowScoreCell(u"lblGameTotal", sheet.intGameTotal);

        mBoard.SetPlayerScore(mintPlayer.value(), FormatGameTotal(sheet.intGameTotal));
    });
}

void Game::EndTurn()
{
    Trap([&] {
        mintScored += 1;
        if (mintScored < Int16(13) * mPlayers.count) {
            SetTurnState(QStringLiteral("Continue"));
            return;
        }
        SetTurnState(QStringLiteral("Game Over"));
        if (SaveHighScores())
            mBoard.ShowNewHighScores();
        mBoard.ShowFinalScores();
    });
}

void Game::UndoLastScore()
{
    Trap([&] {
        if (!mlblLastScored)
            throw RunError(91, QStringLiteral("Object variable or With block variable not set"));
        PlayerSheet &sheet = CurrentSheet();
        sheet.*mlblLastScored->field = PlayerSheet::kUnscored;
        mBoard.ReopenScoreCell(mlblLastScored->label);
        // The scoring being taken back counted five alike exactly when it could.
        if (mblnQuoxa && sheet.intQuoxaCount > 0)
            sheet.intQuoxaCount -= 1;
        UpdateTotals();
        mintScored -= 1;
        SetTurnState(mstrPrevState);
    });
}

bool Game::SaveHighScores()
{
    return Trap([&] {
        bool entered = false;
        for (int p = 1; p <= mPlayers.count.value(); ++p) {
            const PlayerSheet &sheet = gudtPlayer(p);
            // The top ten is the people's: a computer's total is not offered.
            if (sheet.intGameTotal > 0 && !mPlayers.computer.at(std::size_t(p - 1)) &&
                mBoard.SaveScore(sheet.strName, sheet.intGameTotal))
                entered = true;
        }
        return entered;
    });
}

} // namespace quoxa
