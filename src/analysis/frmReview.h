#pragma once
// The review of a game: for each player the points lost, the luck and the slips, and the line
// that adds them up; a chart of each player's value after every decision; and every decision
// in a list, with the moment it was made when it is chosen. A window of its own, owned by
// the board; it waits for best play to be worked out when it is not yet.
#include "engine/GameRecord.h"
#include "engine/GameReview.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QTreeWidget;
class QVBoxLayout;

namespace quoxa {

class frmReview : public QWidget {
    Q_OBJECT

public:
    explicit frmReview(QWidget *owner);

    // Reviews this game (as far as it was played) and shows the window.
    void ShowGame(const GameRecord &record);
    // The game shown, as it goes on: reviewed again, the list keeping its filter and the
    // decision chosen (or showing the newest). Another game's record changes nothing.
    void Follow(const GameRecord &record);

private:
    // Works the review out once best play is, then fills the window.
    void Fill();
    // The decisions the filter lets through, each with its kind of slip; the one chosen
    // before stays chosen.
    void ShowDecisions();
    // The chosen decision's moment, in words.
    void ShowMoment();

    QTreeWidget *lvwSummary = nullptr;
    QVBoxLayout *mChartPlace = nullptr;
    QWidget *mChart = nullptr;
    QComboBox *cboFilter = nullptr;
    QTreeWidget *lvwDecisions = nullptr;
    QLabel *lblMoment = nullptr;
    bool mAwaited = false; // best play is being worked out: the review waits to be told
    GameRecord mRecord;
    GameReview mReview;
};

} // namespace quoxa
