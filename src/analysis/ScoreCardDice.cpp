// The score card's lines on the game's dice: the code, and at the end the most these dice
// allow, what the computer at Perfect makes on them and a daily game's result to copy.
#include "analysis/frmScoreCard.h"
#include "engine/Game.h"
#include "engine/MostDice.h"
#include "platform/Announce.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Languages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace quoxa {
namespace {

// How long Copy Result's button says "Copied".
constexpr int kCopiedShownMs = 1500;

} // namespace

void frmScoreCard::BuildDiceLines(QVBoxLayout *layout)
{
    lblDiceCode = new QLabel(this);
    lblDiceCode->setObjectName(QStringLiteral("lblDiceCode"));
    lblDiceCode->setTextInteractionFlags(Qt::TextSelectableByMouse); // a code to pass on
    lblPar = new QLabel(this);
    lblPar->setObjectName(QStringLiteral("lblPar"));
    lblPar->setTextFormat(Qt::PlainText); // players' names are text, never markup
    cmdCopyResult = new QPushButton(tr("&Copy Result"), this);
    cmdCopyResult->setObjectName(QStringLiteral("cmdCopyResult"));
    connect(cmdCopyResult, &QPushButton::clicked, this, [this] {
        QGuiApplication::clipboard()->setText(mResult);
        // Said on the button for a moment, and to a screen reader.
        cmdCopyResult->setText(tr("Copied"));
        Announce(this, tr("Copied"));
        QTimer::singleShot(kCopiedShownMs, cmdCopyResult, [this] { cmdCopyResult->setText(tr("&Copy Result")); });
    });
    auto *row = new QHBoxLayout;
    row->addWidget(lblPar, 1);
    row->addWidget(cmdCopyResult, 0, Qt::AlignBottom);
    // Below the table, above the buttons.
    layout->insertWidget(layout->count() - 1, lblDiceCode);
    layout->insertLayout(layout->count() - 1, row);
}

void frmScoreCard::ShowDiceLines(const Game &game)
{
    const GameRecord record = game.Record();
    const QLocale locale;
    const QString day = record.dice ? Languages::DayText(record.dice->day) : QString();
    lblDiceCode->setVisible(record.dice.has_value());
    if (record.dice)
        lblDiceCode->setText(record.dice->daily() ? tr("Daily game of %1, dice code %2").arg(day, record.dice->CodeText())
                                                  : tr("Dice code: %1").arg(record.dice->CodeText()));
    const bool over = record.dice && game.turn().mstrState == u"Game Over";
    const Strategy *strategy = over ? Strategy::Ready() : nullptr;
    lblPar->setVisible(over);
    cmdCopyResult->setVisible(strategy && record.dice->daily());
    if (!over)
        return;
    const SeededFaces faces = record.dice->Faces();
    const int most = MostTotal(faces); // a few milliseconds
    QStringList lines{tr("The most these dice allow: %1").arg(locale.toString(most))};
    if (!strategy) { // the Perfect computer is shown once best play is worked out; the window runs on meanwhile
        lblPar->setText(lines.join(u'\n') + u'\n' + tr("Perfect computer on these dice: working it out..."));
        if (!std::exchange(mParAwaited, true))
            Strategy::WhenReady(this, [this, &game](const Strategy &) {
                mParAwaited = false;
                Refresh(game);
            });
        return;
    }
    const int best = BestPlayTotal(*strategy, faces);
    lines << tr("Perfect computer on these dice: %1").arg(locale.toString(best));
    const std::vector<PlayerSheet> sheets = record.Sheets();
    for (const PlayerSheet &sheet : sheets) {
        const int total = sheet.intGameTotal.value();
        const QString name = sheet.strName, points = locale.toString(total), by = locale.toString(std::abs(best - total));
        lines << (total < best   ? tr("%1 %2, %3 below the Perfect computer").arg(name, points, by)
                  : total > best ? tr("%1 %2, %3 above the Perfect computer").arg(name, points, by)
                                 : tr("%1 %2, as the Perfect computer").arg(name, points));
    }
    lblPar->setText(lines.join(u'\n'));
    // The players in their places, the higher total first (a tie in the order of play).
    std::vector<std::size_t> order(sheets.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return sheets[a].intGameTotal > sheets[b].intGameTotal; });
    QStringList totals;
    for (std::size_t p : order)
        totals << tr("%1 %2").arg(sheets[p].strName, locale.toString(sheets[p].intGameTotal.value()));
    mResult = tr("Quoxa daily %1: %2, Perfect %3, most %4").arg(day, totals.join(QStringLiteral(", ")), locale.toString(best), locale.toString(most));
}

} // namespace quoxa
