#include "analysis/frmScoreCard.h"
#include "analysis/FigureWindow.h"
#include "engine/Game.h"
#include "engine/MoveText.h"
#include "engine/ScoreSheet.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/WindowPlace.h"
#include "platform/Pictures.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quoxa {
namespace {

// The box scored last: a pale yellow, its number in bold.
const QColor kLastScoredColour(255, 255, 160);

} // namespace

frmScoreCard::frmScoreCard(QWidget *owner, std::function<void()> playAgain, std::function<void()> review)
    : QWidget(owner, kFigureWindow)
{
    SetUpFigureWindow(this, QStringLiteral("frmScoreCard"), tr("Score Card"), {}); // its size is its table's
    mComputerIcon = LoadPicture(QStringLiteral("COMPUTER"));
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    lblRanking = new QLabel(this);
    lblRanking->setObjectName(QStringLiteral("lblRanking"));
    lblRanking->setTextFormat(Qt::PlainText); // players' names are text, never markup
    lblRanking->setFont(DesignFont(u"MS Sans Serif", 9.75, true));
    layout->addWidget(lblRanking);

    grdScoreCard = new QTableWidget(int(kScoreSheet.size()), 0, this);
    grdScoreCard->setObjectName(QStringLiteral("grdScoreCard"));
    // Named by its window alone, so that a screen reader says the name once; the arrows go
    // from box to box, and Tab leaves it.
    grdScoreCard->setFocusPolicy(Qt::TabFocus); // the keyboard, never a click: a click leaves it on the board
    grdScoreCard->setTabKeyNavigation(false);
    ReadCurrentOnEntry(grdScoreCard, [this] { return grdScoreCard->currentIndex(); });
    grdScoreCard->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdScoreCard->setSelectionMode(QAbstractItemView::NoSelection);
    grdScoreCard->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdScoreCard->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList rows;
    for (const SheetRow &row : kScoreSheet)
        rows << RowName(row);
    grdScoreCard->setVerticalHeaderLabels(rows);
    grdScoreCard->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdScoreCard->verticalHeader()->setDefaultSectionSize(grdScoreCard->fontMetrics().height() + 6);
    grdScoreCard->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdScoreCard->horizontalHeader()->setDefaultSectionSize(Px(1200));
    layout->addWidget(grdScoreCard);

    lstMoves = new QListWidget(this);
    lstMoves->setObjectName(QStringLiteral("lstMoves"));
    lstMoves->setAccessibleName(tr("Moves"));
    lstMoves->setFocusPolicy(Qt::TabFocus);
    lstMoves->setWordWrap(true);
    lstMoves->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstMoves->setFixedHeight(lstMoves->fontMetrics().height() * 6 + 2 * lstMoves->frameWidth());
    layout->addWidget(lstMoves);

    cmdPlayAgain = new QPushButton(tr("Play &Again"), this);
    cmdPlayAgain->setObjectName(QStringLiteral("cmdPlayAgain"));
    connect(cmdPlayAgain, &QPushButton::clicked, this, [playAgain = std::move(playAgain)] { Trap(playAgain); });
    cmdReview = new QPushButton(tr("&Review Game"), this);
    cmdReview->setObjectName(QStringLiteral("cmdReview"));
    connect(cmdReview, &QPushButton::clicked, this, [review = std::move(review)] { Trap(review); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReview);
    buttons->addWidget(cmdPlayAgain);
    layout->addLayout(buttons);
    BuildDiceLines(layout);
    // Tab goes from the table to the moves, the ranking, the lines on the dice and the
    // buttons; the lines take the keyboard, so that a screen reader reads them.
    const QList<QWidget *> order{grdScoreCard, lstMoves, lblRanking, lblDiceCode, lblPar, cmdCopyResult, cmdReview, cmdPlayAgain};
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (qobject_cast<QLabel *>(order[i]))
            order[i]->setFocusPolicy(Qt::TabFocus);
        if (i > 0)
            setTabOrder(order[i - 1], order[i]);
    }
}

void frmScoreCard::Refresh(const Game &game)
{
    Trap([&] {
        mLastScored = nullptr;
        const int players = game.players().count.value();
        const auto [lastBox, lastPlayer] = game.LastScored();
        grdScoreCard->setColumnCount(players);
        for (int p = 1; p <= players; ++p) {
            auto *header = new QTableWidgetItem(game.Sheet(p).strName);
            if (game.players().computer.at(std::size_t(p - 1)))
                header->setIcon(mComputerIcon);
            grdScoreCard->setHorizontalHeaderItem(p - 1, header);
            // As wide as designed, or as its player's name and mark need: a long name whole.
            grdScoreCard->setColumnWidth(p - 1, std::max(Px(1200), grdScoreCard->horizontalHeader()->sectionSizeHint(p - 1)));
        }
        for (int r = 0; r < int(kScoreSheet.size()); ++r) {
            const SheetRow &row = kScoreSheet[std::size_t(r)];
            for (int p = 1; p <= players; ++p) {
                const int value = (game.Sheet(p).*row.field).value();
                auto *item = new QTableWidgetItem(row.isCategory() && value == PlayerSheet::kUnscored ? QString()
                                                                                                    : QString::number(value));
                const bool last = &row == lastBox && p == lastPlayer;
                // Read cell by cell, or a row at a time, each says its row and player: "Chance: Bea 23",
                // "Twos: Ada empty".
                const QString shown =
                    tr("%1: %2 %3").arg(RowName(row), game.Sheet(p).strName, item->text().isEmpty() ? tr("empty") : item->text());
                item->setData(Qt::AccessibleTextRole, last ? tr("%1, scored last").arg(shown) : shown);
                if (last)
                    mLastScored = item;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                item->setBackground(last ? kLastScoredColour : row.isCategory() ? kDesignWhite : kDesignGrey);
                QFont font = grdScoreCard->font();
                font.setBold(last || !row.isCategory());
                item->setFont(font);
                grdScoreCard->setItem(r, p - 1, item);
            }
        }
        ShowMoves(MoveText::Log(game.Record()));
        const bool ranked = game.turn().mstrState == u"Game Over" && players >= 2;
        lblRanking->setText(ranked ? Ranking(game.Sheets()) : QString());
        lblRanking->setVisible(ranked);
        cmdPlayAgain->setVisible(ranked);
        cmdReview->setVisible(ranked);
        ShowDiceLines(game);
        // Every box in sight, nothing to scroll; and the table as wide as the lines below it,
        // the players sharing what they need more: no empty strip beside it.
        const QHeaderView *across = grdScoreCard->horizontalHeader(), *down = grdScoreCard->verticalHeader();
        const int sides = down->sizeHint().width() + 2 * grdScoreCard->frameWidth();
        int widest = 0;
        for (int i = 0; i < layout()->count(); ++i)
            if (QLayoutItem *item = layout()->itemAt(i); item->widget() != grdScoreCard && item->widget() != lstMoves)
                widest = std::max(widest, item->sizeHint().width());
        for (int p = 0, more = widest - sides - across->length(); more > 0 && p < players; ++p)
            grdScoreCard->setColumnWidth(p, grdScoreCard->columnWidth(p) + more / players + (p < more % players ? 1 : 0));
        grdScoreCard->setFixedSize(sides + across->length(),
                                   across->sizeHint().height() + grdScoreCard->rowCount() * down->defaultSectionSize() +
                                       2 * grdScoreCard->frameWidth());
        lstMoves->setFixedWidth(grdScoreCard->width());
    });
}

void frmScoreCard::ShowMoves(const QStringList &moves)
{
    // The moves so far are added to the list, which keeps its place when scrolled back; a
    // score taken back or a new game writes it anew.
    const int shown = lstMoves->count();
    if (moves.size() < shown || (shown > 0 && lstMoves->item(shown - 1)->text() != moves[shown - 1]))
        lstMoves->clear();
    if (moves.size() == lstMoves->count())
        return;
    lstMoves->addItems(moves.mid(lstMoves->count()));
    lstMoves->scrollToBottom();
}

void frmScoreCard::ShowBeside(bool asked)
{
    Trap([&] {
        quoxa::ShowBeside(this, asked);
        if (asked) {
            if (QTableWidgetItem *at = mLastScored ? mLastScored : grdScoreCard->item(0, 0)) // nothing scored yet: the first box
                grdScoreCard->setCurrentItem(at);
            grdScoreCard->setFocus();
        }
    });
}

} // namespace quoxa
