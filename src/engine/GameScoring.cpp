// The scoring of one game: a box scored, the totals it makes, the turn or the game it ends,
// the top ten offered the totals, and a score taken back.
#include "engine/Game.h"
#include "platform/ErrorTrap.h"

#include <QCoreApplication>

namespace quoxa {

Refusal Game::RecordScore(QStringView label)
{
    return Command([&] {
        const SheetRow *row = FindSheetRow(label);
        if (!row || !row->isCategory())
            throw RunError::SubscriptOutOfRange();
        PlayerSheet &sheet = PlayingSheet();
        if (!mTurn.mblnCanScore)
            return Refusal::NotNow;
        if (sheet.*row->field != PlayerSheet::kUnscored)
            return Refusal::BoxTaken;

        const DiceSet values = DiceValues();
        const Int16 score = ScoreDice(sheet, *row, values, mTurn.mblnQuoxa);
        mBoard.ShowScoreCell(row->label, score);
        mTurn.mlblLastScored = row;
        mRecord.turns.back().scored = row;
        mRecord.turns.back().points = score.value();
        mHeldScored = mHeld;
        UpdateTotals();
        EndTurn();
        return Refusal::None;
    });
}

DiceSet Game::DiceValues() const
{
    for (int x : mDice)
        if (x < 1 || x > 6)
            throw RunError::SubscriptOutOfRange();
    return mDice;
}

void Game::UpdateTotals()
{
    Trap([&] {
        PlayerSheet &sheet = PlayingSheet();
        TotalSheet(sheet);
        for (QStringView label : {u"lblTotal", u"lblBonus", u"lblSection1Total", u"lblSection2Total", u"lblGameTotal"})
            mBoard.ShowScoreCell(label, sheet.*FindSheetRow(label)->field);
        mBoard.SetPlayerScore(mTurn.mintPlayer.value(), FormatGameTotal(sheet.intGameTotal));
    });
}

void Game::EndTurn()
{
    Trap([&] {
        mTurn.mintScored += 1;
        if (mTurn.mintScored < Int16(13) * mPlayers.count) {
            SetTurnState(QStringLiteral("Continue"));
            Keep();
            return;
        }
        SetTurnState(QStringLiteral("Game Over"));
        if (mRecord.shared) { // nothing comes back to a game that is over: every copy keeps the same record
            mRecord.shared->me.clear();
            mRecord.shared->chain.clear();
        }
        Keep(); // before any window: a game that is over is kept whatever comes next
        mBoard.ShowGameEnd(SaveHighScores());
    });
}

Refusal Game::UndoLastScore()
{
    return Command([&] {
        if (!mTurn.mlblLastScored)
            throw RunError(91, QCoreApplication::translate("ErrorTrap", "Object variable or With block variable not set"));
        if (!mTurn.mblnCanUndo)
            return Refusal::NothingToUndo;
        PlayerSheet &sheet = PlayingSheet();
        sheet.*mTurn.mlblLastScored->field = PlayerSheet::kUnscored;
        mBoard.ReopenScoreCell(mTurn.mlblLastScored->label);
        // The scoring being taken back counted five alike exactly when it could.
        if (mTurn.mblnQuoxa && sheet.intQuoxaCount > 0)
            sheet.intQuoxaCount -= 1;
        UpdateTotals();
        mTurn.mintScored -= 1;
        mRecord.turns.back().scored = nullptr;
        mRecord.turns.back().points = 0;
        SetTurnState(mTurn.mstrPrevState);
        for (int die = 1; die <= 5 && mTurn.mblnCanHold; ++die) // the dice held as they were
            PutHold(die, mHeldScored.at(static_cast<std::size_t>(die - 1)));
        Keep();
        return Refusal::None;
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
