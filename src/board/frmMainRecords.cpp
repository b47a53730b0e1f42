// Every game kept: the game under way goes to the disk after each step and comes back when
// the game starts again; a finished game joins the others, for the statistics.
#include "analysis/frmReview.h"
#include "analysis/frmStatistics.h"
#include "board/frmMain.h"
#include "platform/ErrorTrap.h"
#include "platform/basHelp.h"
#include "settings/basMain.h"

#include <QTimer>

namespace quoxa {
namespace {

// How long a step of the game waits for another copy of the game to let go of the store;
// at the end, as long as the settings wait.
constexpr int kStepWaitMs = 1000;
constexpr int kLastWaitMs = 10000;

} // namespace

void frmMain::KeepRecord(const GameRecord &record)
{
    if (mKeeping)
        KeepRecords(record, false);
}

void frmMain::KeepRecords(const GameRecord &record, bool last)
{
    try {
        if (mKeeper.Keep(record, last ? kLastWaitMs : kStepWaitMs))
            mKeepFailed = false;
        else if (last)
            basHelp::ShowNotice(tr("Another copy of Quoxa is still using the store: the game could not be kept."));
        if (record.Over() && mStatistics && mStatistics->isVisible())
            mStatistics->Refresh(); // the game just finished counts
    } catch (const RunError &error) {
        if (!std::exchange(mKeepFailed, true))
            ReportError(error.number(), error.description());
    }
}

void frmMain::ResumeKeptGame()
{
    Trap([&] {
        GameFiles::Current kept = GameFiles::ReadCurrent();
        if (kept.record && kept.record->Over()) { // ended, but not yet among the finished games
            KeepRecords(*kept.record, true);
        } else if (kept.record) {
            mGame.Resume(*kept.record);
            // The options follow the players of the game brought back.
            const Players &players = mGame.players();
            gintPlayerCount = players.count;
            gblnComputer = players.computer;
            gintComputerLevel = players.level;
        } else if (kept.found) {
            const QString aside = GameFiles::SetAsideCurrent();
            // Told once the board is up.
            QTimer::singleShot(0, this, [aside, fault = kept.fault] {
                basHelp::ShowNotice(tr("The game under way could not be brought back: %1. It is kept as %2, "
                                       "and a new game begins.").arg(fault, aside));
            });
        }
    });
}

void frmMain::mnuGameStatistics_Click()
{
    Trap([&] {
        if (!mStatistics)
            mStatistics = new frmStatistics(this, [this](const GameRecord &game) { ShowReview(game); });
        mStatistics->Refresh();
        mStatistics->show();
        mStatistics->raise();
        mStatistics->activateWindow();
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
