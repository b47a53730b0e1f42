// The windows of figures the board opens: the score card, the statistics of the games kept,
// and the review of a game. Every game is kept by the keeper of the games, to whom the board hands each
// record; an open review of the game under way is handed it too.
#include "analysis/frmReview.h"
#include "analysis/frmScoreCard.h"
#include "analysis/frmStatistics.h"
#include "board/frmMain.h"
#include "platform/ErrorTrap.h"
#include "platform/WindowPlace.h"

#include <QPushButton>

namespace quoxa {

void frmMain::mnuViewScoreCard_Click()
{
    ShowScoreCard(true);
}

void frmMain::ShowScoreCard(bool asked)
{
    Trap([&] {
        if (!mScoreCard)
            mScoreCard = new frmScoreCard(this, [this] {
                StartNewGame();
                activateWindow(); // the next Space throws
                cmdThrow->setFocus();
            }, [this] { mnuGameReview_Click(); });
        mScoreCard->Refresh(mGame);
        mScoreCard->ShowBeside(asked);
    });
}

void frmMain::KeepRecord(const GameRecord &record)
{
    if (!mKeeping)
        return;
    for (const GameRecord &finished : mKeeper.Keep(record))
        if (mStatistics && mStatistics->isVisible())
            mStatistics->Add(finished); // shown at once, a game left unfinished too
    if (mReview)
        mReview->Follow(record); // an open review of this game follows it
}

void frmMain::mnuGameStatistics_Click()
{
    Trap([&] {
        if (!mStatistics)
            mStatistics = new frmStatistics(this, [this](const GameRecord &game) { ShowReview(game); });
        mStatistics->Refresh();
        ShowBeside(mStatistics, true);
    });
}

void frmMain::mnuGameReview_Click()
{
    ShowReview(mGame.Record());
}

void frmMain::ShowReview(const GameRecord &record)
{
    Trap([&] {
        if (!mReview)
            mReview = new frmReview(this);
        mReview->ShowGame(record);
    });
}

} // namespace quoxa
