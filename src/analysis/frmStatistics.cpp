#include "analysis/frmStatistics.h"
#include "analysis/Charts.h"
#include "analysis/FigureWindow.h"
#include "engine/MoveText.h"
#include "platform/ChoiceBox.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Heap.h"
#include "platform/Languages.h"
#include "records/GameKeeper.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QThread>
#include <QTreeWidget>
#include <algorithm>

namespace quoxa {
namespace {

// A share in percent as the language writes it ("45%", "45 %").
QString Percent(double share)
{
    return QCoreApplication::translate("frmStatistics", "%1%", "a share in percent").arg(QLocale().toString(share * 100, 'f', 0));
}

} // namespace

frmStatistics::frmStatistics(QWidget *owner, std::function<void(const GameRecord &)> review)
    : QWidget(owner, kFigureWindow)
{
    SetUpFigureWindow(this, QStringLiteral("frmStatistics"), tr("Statistics"), {Px(10800), Px(8400)});
    auto *layout = new QVBoxLayout(this);
    lvwStatistics = FigureList(this, QStringLiteral("lvwStatistics"), tr("Statistics"),
                               {tr("Name"), tr("Games"), tr("Wins"), tr("Mean"), tr("Best"), tr("Std. Dev."),
                                tr("Upper Bonus"), tr("Quoxa"), tr("Daily"), tr("Below Perfect"), tr("Below Most")});
    connect(lvwStatistics, &QTreeWidget::currentItemChanged, this, [this] { Trap([&] { ShowChart(); }); });
    layout->addWidget(lvwStatistics, 2);
    mChartPlace = new QVBoxLayout;
    layout->addLayout(mChartPlace, 3);

    auto *games = new QHBoxLayout;
    cboGame = new QComboBox(this);
    cboGame->setObjectName(QStringLiteral("cboGame"));
    SayChoice(cboGame);
    // A thousand games are not measured to size the box: it takes the room the row gives it.
    cboGame->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboGame->setMinimumContentsLength(20);
    auto *lblGame = new QLabel(tr("&Game:"), this);
    lblGame->setBuddy(cboGame);
    cmdReview = new QPushButton(tr("&Review Game"), this);
    cmdReview->setObjectName(QStringLiteral("cmdReview"));
    connect(cmdReview, &QPushButton::clicked, this, [this, review = std::move(review)] {
        Trap([&] {
            const std::size_t at = mGameEnds.size() - 1 - std::size_t(cboGame->currentIndex()); // the box shows the newest first
            const qsizetype from = at ? mGameEnds.at(at - 1) : 0;
            if (const auto game = GameFiles::FromLine(mGames.sliced(from, mGameEnds.at(at) - from)))
                review(*game);
        });
    });
    games->addWidget(lblGame);
    games->addWidget(cboGame, 1);
    games->addWidget(cmdReview);
    layout->addLayout(games);

    auto *buttons = new QHBoxLayout;
    cmdClear = new QPushButton(tr("&Clear"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    connect(cmdClear, &QPushButton::clicked, this, &frmStatistics::cmdClear_Click);
    auto *cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
}

frmStatistics::~frmStatistics()
{
    StopReading();
}

void frmStatistics::StopReading()
{
    if (!mReader)
        return;
    mReader->requestInterruption();
    mReader->wait();
    delete std::exchange(mReader, nullptr);
}

void frmStatistics::Refresh()
{
    StopReading();
    mAdded.clear();
    lvwStatistics->setCursor(Qt::BusyCursor);
    // The figures are drawn there too: each daily game's dice are worked out for their most.
    struct Read {
        GameFiles::Kept kept;
        GameFigures figures;
    };
    const auto read = std::make_shared<Read>();
    mReader = QThread::create([read] {
        read->kept = GameKeeper::ReadFinished();
        for (const GameRecord &game : read->kept.games)
            if (!QThread::currentThread()->isInterruptionRequested()) // a reading stopped stops here too
                read->figures.Add(game);
    });
    connect(mReader, &QThread::finished, this, [this, read, reading = ++mReads] {
        if (reading != mReads || !mReader || mReader->isInterruptionRequested())
            return;
        delete std::exchange(mReader, nullptr);
        lvwStatistics->unsetCursor();
        Trap([&] { Show(std::move(read->kept), std::move(read->figures)); });
    });
    mReader->start();
}

void frmStatistics::Show(GameFiles::Kept kept, GameFigures figures)
{
    // A game added while the file was read is shown once: the reading may have found it.
    for (GameRecord &game : std::exchange(mAdded, {}))
        if (QByteArray line = GameFiles::Line(game); std::find(kept.lines.rbegin(), kept.lines.rend(), line) == kept.lines.rend()) {
            figures.Add(game);
            kept.lines.push_back(std::move(line));
            kept.games.push_back(std::move(game));
        }
    mFigures = std::move(figures);
    // The games' lines as they are kept, in one block: a game is read again to be reviewed,
    // and a thousand small pieces do not stay spread over the memory.
    qsizetype size = 0;
    for (const QByteArray &line : kept.lines)
        size += line.size();
    mGames.clear();
    mGames.reserve(size);
    mGameEnds.clear();
    cboGame->clear();
    for (std::size_t g = 0; g < kept.games.size(); ++g)
        Keep(kept.games[g], kept.lines[g]);
    cboGame->setCurrentIndex(0);
    ShowFigures();
    Heap::GiveBackFreed(); // reading a thousand games leaves the heap full of holes
}

void frmStatistics::Add(const GameRecord &game)
{
    if (mGameEnds.size() >= std::size_t(GameFiles::kKeptGames)) { // the oldest goes: read them all again
        Refresh();
        return;
    }
    if (mReader)
        mAdded.push_back(game);
    mFigures.Add(game);
    Keep(game, GameFiles::Line(game));
    cboGame->setCurrentIndex(0);
    ShowFigures();
}

void frmStatistics::Keep(const GameRecord &game, const QByteArray &line)
{
    const QLocale locale;
    mGames += line;
    mGameEnds.push_back(mGames.size());
    QStringList totals;
    for (const PlayerSheet &sheet : game.Sheets())
        totals << tr("%1 %2").arg(sheet.strName, locale.toString(sheet.intGameTotal.value()));
    const QString item = tr("%1: %2").arg(Languages::Isolated(locale.toString(game.started.toLocalTime(), QLocale::ShortFormat)), totals.join(u", "));
    const QString marked = game.dice && game.dice->daily() ? tr("%1 (daily)").arg(item) : item;
    cboGame->insertItem(0, game.unfinished ? tr("%1 (not finished)").arg(marked) : marked); // the newest first
}

void frmStatistics::ShowFigures()
{
    const QLocale locale;
    const Strategy *strategy = Strategy::Ready();
    mShown = mFigures.Players(strategy);
    if (!strategy && std::any_of(mShown.begin(), mShown.end(), [](const PlayerFigures &f) { return f.dailyGames > 0; }) &&
        !std::exchange(mBestAwaited, true))
        Strategy::WhenReady(this, [this](const Strategy &) { // the daily games measured then
            mBestAwaited = false;
            Trap([&] { ShowFigures(); });
        });
    cmdReview->setEnabled(!mGameEnds.empty());
    const QSignalBlocker quiet(lvwStatistics); // one chart, at the end
    const auto below = [&](std::optional<double> points) { return points ? locale.toString(*points, 'f', 1) : QStringLiteral("-"); };
    ClearFigureList(lvwStatistics);
    for (const PlayerFigures &f : mShown) {
        const QString name = f.computer ? tr("%1 (computer, %2)").arg(f.name, MoveText::Level(f.level)) : f.name;
        const QString wins = f.contests ? tr("%1 of %2").arg(locale.toString(f.wins), locale.toString(f.contests)) : QStringLiteral("-");
        AddFigureRow(lvwStatistics, {name, locale.toString(f.games), wins, locale.toString(f.mean, 'f', 1), locale.toString(f.best),
                                     locale.toString(f.deviation, 'f', 1), Percent(f.bonusRate), Percent(f.fiveAlikeRate),
                                     locale.toString(f.dailyGames), below(f.belowPerfect), below(f.belowMost)});
    }
    cmdClear->setEnabled(!mShown.empty());
    lvwStatistics->setCurrentItem(lvwStatistics->topLevelItem(0));
    ShowChart();
}

void frmStatistics::ShowChart()
{
    delete mChart;
    const int row = lvwStatistics->indexOfTopLevelItem(lvwStatistics->currentItem());
    ChartData histogram{.title = row < 0 ? QString() : tr("Totals of %1").arg(lvwStatistics->currentItem()->text(0)),
                        .xTitle = tr("Game total"),
                        .yTitle = tr("Games"),
                        .categories = {},
                        .series = {{tr("Games"), {}}},
                        .empty = tr("No finished games yet.")};
    if (row >= 0)
        for (const auto &[from, count] : mShown.at(static_cast<std::size_t>(row)).Bins()) {
            histogram.series[0].points << QPointF(histogram.categories.size(), count);
            histogram.categories << QString::number(from);
        }
    mChart = MakeChart(histogram, this);
    mChartPlace->addWidget(mChart);
}

void frmStatistics::cmdClear_Click()
{
    Trap([&] {
        // A question that deletes: No unless chosen.
        AskYesNo(this, tr("Clear Statistics"), tr("Are you sure that you want to clear the finished games?"), QMessageBox::No, [this] {
            GameKeeper::ClearFinished();
            Refresh();
        });
    });
}

} // namespace quoxa
