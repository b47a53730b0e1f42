#pragma once
// The statistics: for each one who played the finished games kept (a person by name, a
// computer by name and level), the games, wins, mean, best, spread and the share of games
// with the upper bonus and with five alike, the daily games and how far below the computer
// at Perfect and below the most their dice allow they fell on the mean; for the one selected,
// how its totals fall; and any finished game to review. A window of its own, owned by the board.
#include "engine/GameFigures.h"
#include "records/GameFiles.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QThread;
class QTreeWidget;
class QVBoxLayout;

namespace quoxa {

class frmStatistics : public QWidget {
    Q_OBJECT

public:
    // `review` opens the review of a game.
    frmStatistics(QWidget *owner, std::function<void(const GameRecord &)> review);
    ~frmStatistics() override;

    // Reads the finished games again, off the window's thread, and shows their figures once
    // they are read, the first row selected; the list shows a busy pointer meanwhile.
    void Refresh();
    // A game just finished (or left unfinished) joins those shown, and those being read.
    void Add(const GameRecord &game);
    // After a confirmation, empties the finished games.
    void cmdClear_Click();

private:
    // The finished games as read and their figures, and any added meanwhile that they do not
    // hold yet.
    void Show(GameFiles::Kept kept, GameFigures figures);
    // Stops a reading under way, if there is one.
    void StopReading();
    // A game and its line in the games box and the lines kept for review.
    void Keep(const GameRecord &game, const QByteArray &line);
    // The figures in the list, the first row selected, and its chart.
    void ShowFigures();
    // The chart of the selected row's totals, in bins of 10 points or wider.
    void ShowChart();

    QTreeWidget *lvwStatistics = nullptr;
    QVBoxLayout *mChartPlace = nullptr;
    QWidget *mChart = nullptr;
    QPushButton *cmdClear = nullptr;
    QComboBox *cboGame = nullptr;
    QPushButton *cmdReview = nullptr;
    GameFigures mFigures;
    std::vector<PlayerFigures> mShown; // the list's rows
    QByteArray mGames;                 // the finished games' lines, oldest first, one after another
    std::vector<qsizetype> mGameEnds;  // where each ends
    QThread *mReader = nullptr;        // reads the finished games
    int mReads = 0;                    // readings begun: only the last one's games are shown
    std::vector<GameRecord> mAdded;    // games added while the finished games are read
    bool mBestAwaited = false;         // the daily games are measured against Perfect once best play is worked out
};

} // namespace quoxa
