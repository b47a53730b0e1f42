#include "analysis/frmReview.h"
#include "analysis/Charts.h"
#include "analysis/FigureWindow.h"
#include "engine/MoveText.h"
#include "platform/ChoiceBox.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/WindowPlace.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>

namespace quoxa {
namespace {

using MoveText::Points;

// The filter's first choices; then one for each player.
enum Filter { AllDecisions, SlipsOnly, FirstPlayer };

} // namespace

frmReview::frmReview(QWidget *owner)
    : QWidget(owner, kFigureWindow)
{
    SetUpFigureWindow(this, QStringLiteral("frmReview"), tr("Game Review"), {Px(11400), Px(10800)});
    auto *layout = new QVBoxLayout(this);
    lvwSummary = FigureList(this, QStringLiteral("lvwSummary"), tr("Summary"),
                            {tr("Player"), tr("Points lost"), tr("Luck"), tr("Inaccuracies"), tr("Mistakes"), tr("Blunders"),
                             tr("Start, luck and points lost")});
    lvwSummary->setMaximumHeight(lvwSummary->fontMetrics().height() * 9); // four players without scrolling
    // Every column whole, the players' names too, however narrow the window: it scrolls.
    lvwSummary->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    layout->addWidget(lvwSummary);
    mChartPlace = new QVBoxLayout;
    layout->addLayout(mChartPlace, 3);

    auto *filter = new QHBoxLayout;
    cboFilter = new QComboBox(this);
    cboFilter->setObjectName(QStringLiteral("cboFilter"));
    SayChoice(cboFilter);
    auto *lblFilter = new QLabel(tr("&Show:"), this);
    lblFilter->setBuddy(cboFilter);
    connect(cboFilter, &QComboBox::currentIndexChanged, this, [this] { Trap([&] { ShowDecisions(); }); });
    filter->addWidget(lblFilter);
    filter->addWidget(cboFilter);
    filter->addStretch();
    layout->addLayout(filter);

    lvwDecisions = FigureList(this, QStringLiteral("lvwDecisions"), tr("Decisions"),
                              {tr("Turn"), tr("Player"), tr("Throw"), tr("Dice"), tr("Played"), tr("Best"), tr("Points lost"), tr("Slip")});
    lvwDecisions->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lvwDecisions->header()->setSectionResizeMode(4, QHeaderView::Stretch);
    lvwDecisions->header()->setSectionResizeMode(5, QHeaderView::Stretch);
    for (int column : {1, 3, 4, 5, 7}) // the words left; the numbers, the turn too, right
        lvwDecisions->headerItem()->setTextAlignment(column, Qt::AlignLeft | Qt::AlignVCenter);
    lvwDecisions->headerItem()->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    connect(lvwDecisions, &QTreeWidget::currentItemChanged, this, [this] { Trap([&] { ShowMoment(); }); });
    layout->addWidget(lvwDecisions, 4);

    lblMoment = new QLabel(this);
    lblMoment->setObjectName(QStringLiteral("lblMoment"));
    lblMoment->setTextFormat(Qt::PlainText); // players' names are text, never markup
    lblMoment->setWordWrap(true);
    lblMoment->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lblMoment->setMinimumHeight(lblMoment->fontMetrics().height() * 3);
    layout->addWidget(lblMoment);

    auto *buttons = new QHBoxLayout;
    auto *cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
}

void frmReview::ShowGame(const GameRecord &record)
{
    mRecord = record;
    mReview = {};
    ClearFigureList(lvwSummary);
    ClearFigureList(lvwDecisions);
    cboFilter->setCurrentIndex(AllDecisions);
    lblMoment->setText(tr("Working out best play..."));
    Fill();
    ShowBeside(this, true);
}

void frmReview::Follow(const GameRecord &record)
{
    if (!isVisible() || record.started != mRecord.started)
        return;
    mRecord = record;
    Fill();
    if (!lvwDecisions->currentItem())
        lvwDecisions->scrollToBottom();
}

void frmReview::Fill()
{
    const Strategy *strategy = Strategy::Ready();
    if (!strategy) { // told when best play is worked out, if the window is still open then
        if (!std::exchange(mAwaited, true))
            Strategy::WhenReady(this, [this](const Strategy &) {
                mAwaited = false;
                if (isVisible())
                    Trap([&] { Fill(); });
            });
        return;
    }
    mReview = Review(mRecord, *strategy);
    lblMoment->clear();
    ChartData values{.kind = ChartData::Kind::Lines,
                     .title = tr("Expected final total after each decision"),
                     .xTitle = tr("Turn"),
                     .yTitle = tr("Points"),
                     .categories = {},
                     .series = {},
                     .empty = tr("No decisions yet: the chart begins with the first one.")};
    const QSignalBlocker quiet(cboFilter);
    const int filter = std::max(int(AllDecisions), cboFilter->currentIndex());
    cboFilter->clear();
    cboFilter->addItems({tr("All decisions"), tr("Slips only")});
    ClearFigureList(lvwSummary);
    const auto hundredths = [](double points) { return std::round(points * 100) / 100; };
    for (const PlayerReview &player : mReview.players) {
        // The line adds up as shown: its luck is what the rounded figures leave, within a
        // cent of the throws' own.
        const double now = mRecord.Over() ? player.total : hundredths(player.Now());
        const double luck = now - hundredths(player.start) + hundredths(player.lost);
        const QString signedLuck = (luck < 0 ? QStringLiteral("− ") : QStringLiteral("+ ")) + Points(std::abs(luck));
        const QString line = (mRecord.Over() ? tr("%1 %2 luck − %3 lost = %4") : tr("%1 %2 luck − %3 lost = %4 expected"))
                                 .arg(Points(player.start), signedLuck, Points(player.lost),
                                      mRecord.Over() ? QString::number(player.total) : Points(now));
        const auto slips = [&](Slip slip) { return QString::number(player.slips[std::size_t(slip)]); };
        AddFigureRow(lvwSummary, {player.name, Points(player.lost), Points(luck), slips(Slip::Inaccuracy), slips(Slip::Mistake),
                                  slips(Slip::Blunder), line});
        values.series.push_back({player.name, player.values});
        cboFilter->addItem(tr("%1's decisions").arg(player.name));
    }
    cboFilter->setCurrentIndex(std::min(filter, cboFilter->count() - 1));
    delete mChart;
    mChart = MakeChart(values, this);
    mChart->setMinimumHeight(Px(2400));
    mChartPlace->addWidget(mChart);
    ShowDecisions();
    if (mReview.decisions.empty())
        lblMoment->setText(tr("No decisions yet: the review grows as the game is played."));
}

void frmReview::ShowDecisions()
{
    const int filter = cboFilter->currentIndex();
    const QTreeWidgetItem *current = lvwDecisions->currentItem();
    const int chosen = current ? current->data(0, Qt::UserRole).toInt() : -1;
    ClearFigureList(lvwDecisions);
    QTreeWidgetItem *again = nullptr;
    for (const ReviewDecision &d : mReview.decisions) {
        const Slip slip = SlipOf(d.Lost());
        if ((filter == SlipsOnly && slip == Slip::None) || (filter >= FirstPlayer && d.player != filter - 1))
            continue;
        QTreeWidgetItem *row = AddFigureRow(lvwDecisions, {QString::number(d.turn), mReview.players[std::size_t(d.player - 1)].name,
                                                           QString::number(d.throwNumber), MoveText::Dice(d.dice),
                                                           MoveText::Move(d.played, d.dice), MoveText::Move(d.best, d.dice),
                                                           Points(d.Lost()), MoveText::SlipName(slip)});
        row->setData(0, Qt::UserRole, d.order); // the decision, whatever the filter
        if (d.order == chosen)
            again = row;
    }
    if (again)
        lvwDecisions->setCurrentItem(again);
    else
        ShowMoment(); // none chosen
}

void frmReview::ShowMoment()
{
    const QTreeWidgetItem *row = lvwDecisions->currentItem();
    const auto d = std::find_if(mReview.decisions.begin(), mReview.decisions.end(), [&](const ReviewDecision &decision) {
        return row && decision.order == row->data(0, Qt::UserRole).toInt();
    });
    if (d == mReview.decisions.end()) {
        lblMoment->clear();
        return;
    }
    lblMoment->setText(MoveText::MomentLine({.turn = d->turn,
                                             .throwNumber = d->throwNumber,
                                             .name = mReview.players[std::size_t(d->player - 1)].name,
                                             .dice = d->dice,
                                             .played = d->played,
                                             .best = d->best,
                                             .luck = d->Luck(),
                                             .after = d->after,
                                             .value = d->value,
                                             .lost = d->Lost()}));
}

} // namespace quoxa
