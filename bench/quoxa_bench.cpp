// How fast the game is, against a floor: a bare Qt Widgets window built by quoxa_floor.
// Run as build/bench/quoxa_bench (it prints the table and runs the others as children):
//   quoxa_floor      the floor, and quoxa, the game itself, each timed whole from exec to
//                    exit by the first-frame hook loaded into it: closed at the first frame
//   quoxa_bench save    one total offered to a full high-score table
//   quoxa_bench game    a whole four-player game through the window, painted as it goes
//   quoxa_bench computers  a whole game of four computer players with no pause
//   quoxa_bench store   the settings read from and written to a store of 4 MiB
//   quoxa_bench statistics  the statistics window opened on 1,000 four-player games
//   quoxa_bench keep    the game under way kept, as after each throw of a four-player game
//   quoxa_bench review  the review of a whole four-player game opened, best play solved
//   quoxa_bench longplay [open]  300 games of two computers in one run: the memory it keeps
// Every child gets a fresh settings folder. Nothing here is asserted: it measures.
#include "FirstFrame.h"
#include "board/frmMain.h"
#include "engine/RandomSource.h"
#include "engine/Strategy.h"
#include "platform/DesignControls.h"
#include "records/GameFiles.h"
#include "records/GameKeeper.h"
#include "scores/HighScoreTable.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

namespace {

// Faces 1 to 6 over and over: never five alike, so no celebration holds the clock.
class CyclingDice : public quoxa::RandomSource {
public:
    void Reseed() override {}
    float Next() override { return (static_cast<float>(mNext++ % 6) + 0.5f) / 6.0f; }

private:
    int mNext = 0;
};

int Save()
{
    quoxa::HighScoreTable::Places full;
    for (int n = 0; n < quoxa::HighScoreTable::kPlaces; ++n)
        full[static_cast<std::size_t>(n)] = {QStringLiteral("Player %1").arg(n + 1), quoxa::Int16(300 - 10 * n)};
    quoxa::SettingsStore::WriteSection(quoxa::kAppTitle, quoxa::HighScoreTable::kSection, quoxa::HighScoreTable::ToStored(full),
                                       QStringLiteral("the table"));
    QElapsedTimer clock;
    const double cpu = bench::CpuMs();
    clock.start();
    quoxa::frmScores::SaveScore(QStringLiteral("Newcomer"), 250);
    std::printf("save %.3f %.3f\n", clock.nsecsElapsed() / 1e6, bench::CpuMs() - cpu);
    return 0;
}

int Game()
{
    quoxa::InstallDesignLook();
    CyclingDice dice;
    quoxa::frmMain board(&dice);
    board.show();
    quoxa::gintPlayerCount = 4;
    quoxa::gblnPlaySound = false;
    board.StartNewGame();
    QApplication::processEvents(); // the board's first paint is start-up, not play
    // The high-score window at the end closes as soon as it opens.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(0);
    const auto step = [&](auto action) {
        action();
        QApplication::processEvents(); // every step painted, as a player sees it
    };
    QElapsedTimer clock;
    const double cpu = bench::CpuMs();
    clock.start();
    for (int turn = 0; turn < 52; ++turn) {
        for (int t = 0; t < 3; ++t)
            step([&] { board.cmdThrow_Click(); });
        int category = turn / 4;
        for (const quoxa::SheetRow &row : quoxa::kScoreSheet)
            if (row.isCategory() && category-- == 0)
                step([&] { board.game().RecordScore(row.label); });
        if (board.game().turn().mstrState == u"Continue")
            step([&] { board.cmdThrow_Click(); });
    }
    std::printf("game %.3f %.3f %s\n", clock.nsecsElapsed() / 1e6, bench::CpuMs() - cpu,
                qPrintable(board.game().turn().mstrState));
    return 0;
}

// The board shown with computers in every seat and no pause, best play solved before any clock
// starts.
void ComputersOnly(quoxa::frmMain &board, int players)
{
    board.show();
    quoxa::gintPlayerCount = players;
    quoxa::gblnPlaySound = false;
    quoxa::gintComputerDelay = 0;
    for (int p = 0; p < 4; ++p)
        quoxa::gblnComputer[p] = p < players;
    quoxa::Strategy::Shared();
}

// A new game played to its end.
void PlayOut(quoxa::frmMain &board)
{
    board.StartNewGame();
    while (board.game().turn().mstrState != u"Game Over")
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

int Computers()
{
    quoxa::InstallDesignLook();
    quoxa::frmMain board;
    ComputersOnly(board, 4);
    QTimer closer; // the high-score window at the end closes as soon as it opens
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(0);
    QElapsedTimer clock;
    const double cpu = bench::CpuMs();
    clock.start();
    PlayOut(board);
    std::printf("computers %.3f %.3f\n", clock.nsecsElapsed() / 1e6, bench::CpuMs() - cpu);
    return 0;
}

// The resident memory of the process, in KiB.
long ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    return statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLong() * 4 : 0;
}

// Long play: 300 games of two computers with no pause in one run, the statistics and a review
// opened every 50 games, looked at and closed again (or left open, with "open"); the resident
// memory after games 50 and 300, and the games kept.
int LongPlay(bool leftOpen)
{
    quoxa::InstallDesignLook();
    quoxa::frmMain board;
    ComputersOnly(board, 2);
    long at50 = 0;
    for (int game = 1; game <= 300; ++game) {
        PlayOut(board);
        if (game % 50 != 0)
            continue;
        board.mnuGameStatistics_Click();
        board.mnuGameReview_Click();
        QApplication::processEvents();
        for (const char *window : {"frmStatistics", "frmReview"})
            if (!leftOpen)
                board.findChild<QWidget *>(QLatin1String(window))->close();
        at50 = at50 ? at50 : ResidentKiB();
    }
    const long at300 = ResidentKiB();
    std::printf("longplay %ld %ld %zu\n", at50, at300, quoxa::GameFiles::ReadKept().games.size());
    return 0;
}

// A store of 4 MiB, the largest the game reads: its own two sections among 100,000 keys of
// a section it does not know, as a store shared with something else might hold.
int Store()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Quoxa");
    QByteArray text = "[Game%20Settings]\nPlayer%20Count=4\n\n[High%20Scores]\nName%201=Ann\nScore%201=300\n\n[Notes]\n";
    for (int n = 0; text.size() < 4 * 1024 * 1024 - 64; ++n)
        text += "Note%20" + QByteArray::number(n) + "=a line kept as it is\n";
    QFile file(folder + QStringLiteral("/Quoxa.conf"));
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return 1;
    file.close();
    QElapsedTimer clock;
    clock.start();
    quoxa::basRegistry::LoadSettings();
    const double read = clock.nsecsElapsed() / 1e6;
    clock.restart();
    quoxa::basRegistry::SaveSettings();
    std::printf("store %.3f %.3f %d\n", read, clock.nsecsElapsed() / 1e6, quoxa::gintPlayerCount.value());
    return 0;
}

// A four-player game of three throws a turn, to its end: a game and each player's turn of it.
quoxa::GameRecord FourPlayerGame(QRandomGenerator &dice)
{
    quoxa::GameRecord game;
    game.started = QDateTime::currentDateTimeUtc();
    for (int p = 1; p <= 4; ++p)
        game.players.push_back({QStringLiteral("Player %1").arg(p), p > 2, p});
    for (std::size_t t = 0; t < 52; ++t) {
        quoxa::GameRecord::Turn turn;
        for (int k = 0; k < 3; ++k) {
            quoxa::GameRecord::Throw thrown;
            for (int &face : thrown.dice)
                face = dice.bounded(1, 7);
            turn.throws.push_back(thrown);
        }
        turn.scored = quoxa::SheetCategories()[t / 4];
        turn.points = turn.scored->rule(quoxa::DiceCounts::Of(turn.throws.back().dice));
        game.turns.push_back(turn);
    }
    return game;
}

// The game under way kept after each of its 208 steps: the median time of one.
int Keep()
{
    QRandomGenerator dice(2026);
    const quoxa::GameRecord whole = FourPlayerGame(dice);
    quoxa::GameKeeper keeper;
    std::vector<double> times;
    for (std::size_t t = 1; t < whole.turns.size(); t += 1) {
        for (std::size_t k = 1; k <= 3; ++k) {
            quoxa::GameRecord step = whole;
            step.turns.resize(t);
            step.turns.back().throws.resize(k);
            step.turns.back().scored = nullptr;
            QElapsedTimer clock;
            clock.start();
            keeper.Keep(step);
            times.push_back(clock.nsecsElapsed() / 1e6);
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("keep %.3f %.3f\n", times[times.size() / 2], times[times.size() * 9 / 10]);
    return 0;
}

// From Game, Review Game to the review's first frame, on a whole four-player game, once best
// play is solved.
int ReviewWindow()
{
    quoxa::InstallDesignLook();
    QRandomGenerator dice(2026);
    const quoxa::GameRecord game = FourPlayerGame(dice);
    quoxa::Strategy::Shared();
    quoxa::frmMain board;
    board.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    board.ShowReview(game);
    QWidget *window = board.findChild<QWidget *>(QStringLiteral("frmReview"));
    bench::FirstFrame painted(*window);
    while (window->isVisible())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("review %.3f\n", clock.nsecsElapsed() / 1e6);
    return 0;
}

// 1,000 finished four-player games of three throws a turn, as the game keeps them; the time
// from Game, Statistics to the window's first frame, the chart module loaded on the way.
int Statistics()
{
    quoxa::InstallDesignLook();
    QByteArray lines;
    QRandomGenerator dice(2026);
    for (int g = 0; g < quoxa::GameFiles::kKeptGames; ++g)
        lines += quoxa::GameFiles::Line(FourPlayerGame(dice)) + '\n';
    QDir().mkpath(QFileInfo(quoxa::GameFiles::FinishedPath()).absolutePath());
    QFile file(quoxa::GameFiles::FinishedPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(lines) != lines.size())
        return 1;
    file.close();
    quoxa::frmMain board;
    board.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    board.mnuGameStatistics_Click();
    QWidget *window = board.findChild<QWidget *>(QStringLiteral("frmStatistics"));
    bench::FirstFrame painted(*window);
    while (window->isVisible())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("statistics %.3f %lld\n", clock.nsecsElapsed() / 1e6, static_cast<long long>(lines.size() / 1024));
    return 0;
}

// One child run: its report lines, the wall time to its first line and to its end.
struct Run {
    QStringList lines;
    double firstMs = 0, endMs = 0;
    double Field(const char *line, int field) const
    {
        for (const QString &l : lines)
            if (l.startsWith(QLatin1String(line)))
                return l.section(u' ', field, field).toDouble();
        return 0;
    }
};

// A child run with a fresh settings folder; timed by the first-frame hook when asked.
Run Child(const QString &program, const QStringList &args, bool hooked = false)
{
    QTemporaryDir config; // a fresh settings folder for every run
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), config.path()); // and its own games
    if (hooked)
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUOXA_FIRST_FRAME_HOOK));
    child.setProcessEnvironment(env);
    Run run;
    QElapsedTimer clock;
    clock.start();
    child.start(program, args);
    child.waitForReadyRead(30000);
    run.firstMs = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(30000);
    run.endMs = clock.nsecsElapsed() / 1e6;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            run.lines << QString::fromLocal8Bit(line);
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Orchestrate()
{
    constexpr int kRuns = 31;
    const QString self = QCoreApplication::applicationFilePath();
    const QString floorProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/quoxa_floor");
    struct Side {
        std::vector<double> start, close, total, startCpu, totalCpu, kib;
    } floor, quoxa;
    std::vector<double> saveWall, saveCpu, gameWall, gameCpu, computersWall, computersCpu, storeRead, storeWrite,
        statistics, gamesKiB, keepMedian, keepTail, review;
    const auto record = [](Side &side, const Run &run) {
        side.start.push_back(run.firstMs);
        side.close.push_back(run.endMs - run.firstMs);
        side.total.push_back(run.endMs);
        side.startCpu.push_back(run.Field("painted", 1));
        side.totalCpu.push_back(run.Field("closed", 1));
        side.kib.push_back(run.Field("painted", 2));
    };
    for (int i = 0; i < kRuns; ++i) { // taking turns, so that a slow moment hits both
        record(floor, Child(floorProgram, {}, true));
        record(quoxa, Child(QStringLiteral(QUOXA_PROGRAM), {}, true));
        const Run save = Child(self, {QStringLiteral("save")});
        saveWall.push_back(save.Field("save", 1));
        saveCpu.push_back(save.Field("save", 2));
        const Run game = Child(self, {QStringLiteral("game")});
        gameWall.push_back(game.Field("game", 1));
        gameCpu.push_back(game.Field("game", 2));
        if (i < 5) { // each solves best play first: a few are enough
            const Run computers = Child(self, {QStringLiteral("computers")});
            computersWall.push_back(computers.Field("computers", 1));
            computersCpu.push_back(computers.Field("computers", 2));
            const Run store = Child(self, {QStringLiteral("store")});
            storeRead.push_back(store.Field("store", 1));
            storeWrite.push_back(store.Field("store", 2));
            const Run opened = Child(self, {QStringLiteral("statistics")});
            statistics.push_back(opened.Field("statistics", 1));
            gamesKiB.push_back(opened.Field("statistics", 2));
            const Run kept = Child(self, {QStringLiteral("keep")});
            keepMedian.push_back(kept.Field("keep", 1));
            keepTail.push_back(kept.Field("keep", 2));
            review.push_back(Child(self, {QStringLiteral("review")}).Field("review", 1));
        }
    }
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb"));
    std::printf("median of %d interleaved runs, %s, a fresh settings folder each\n\n", kRuns, qPrintable(platform));
    std::printf("%-34s %22s %22s %7s\n", "", "floor: wall (CPU)", "Quoxa: wall (CPU)", "ratio");
    const auto row = [](const char *name, const std::vector<double> &fw, const std::vector<double> &fc,
                        const std::vector<double> &qw, const std::vector<double> &qc, const char *target) {
        std::printf("%-34s %9.1f ms (%6.1f ms) %9.1f ms (%6.1f ms) %6.2fx  %s\n", name, Median(fw), Median(fc),
                    Median(qw), Median(qc), Median(qw) / Median(fw), target);
    };
    std::vector<double> floorCloseCpu, quoxaCloseCpu;
    for (std::size_t i = 0; i < floor.totalCpu.size(); ++i) {
        floorCloseCpu.push_back(floor.totalCpu[i] - floor.startCpu[i]);
        quoxaCloseCpu.push_back(quoxa.totalCpu[i] - quoxa.startCpu[i]);
    }
    row("start-up to first painted frame", floor.start, floor.startCpu, quoxa.start, quoxa.startCpu, "target: at most 1.30x");
    row("close to exit", floor.close, floorCloseCpu, quoxa.close, quoxaCloseCpu, "");
    row("start, first frame and close", floor.total, floor.totalCpu, quoxa.total, quoxa.totalCpu, "target: at most 1.35x");
    std::printf("%-34s %18.1f MiB %18.1f MiB %+6.1f MiB\n", "peak memory at the first frame", Median(floor.kib) / 1024,
                Median(quoxa.kib) / 1024, (Median(quoxa.kib) - Median(floor.kib)) / 1024);
    std::printf("%-34s %22s %9.1f ms (%6.1f ms)\n", "end-of-game save, full table", "", Median(saveWall), Median(saveCpu));
    std::printf("%-34s %22s %9.1f ms (%6.1f ms)\n", "four-player game, painted", "", Median(gameWall), Median(gameCpu));
    std::printf("%-34s %22s %9.1f ms (%6.1f ms)\n", "four computers, no pause (of 5)", "", Median(computersWall),
                Median(computersCpu));
    std::printf("\nstore: 4 MiB read in %.0f ms, written in %.0f ms (of 5)\n", Median(storeRead), Median(storeWrite));
    std::printf("statistics: 1,000 four-player games (%.0f KiB) opened in %.0f ms (of 5)\n", Median(gamesKiB),
                Median(statistics));
    std::printf("review: %.0f ms for a four-player game (of 5)\n", Median(review));
    std::printf("game under way: kept in %.2f ms a step, 9 in 10 within %.2f ms (of 5)\n", Median(keepMedian),
                Median(keepTail));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode.isEmpty()) {
        QCoreApplication app(argc, argv);
        return Orchestrate();
    }
    QApplication app(argc, argv);
    if (mode == u"save")
        return Save();
    if (mode == u"game")
        return Game();
    if (mode == u"computers")
        return Computers();
    if (mode == u"store")
        return Store();
    if (mode == u"statistics")
        return Statistics();
    if (mode == u"keep")
        return Keep();
    if (mode == u"longplay")
        return LongPlay(argc > 2 && QByteArrayView(argv[2]) == "open");
    if (mode == u"review")
        return ReviewWindow();
    return 1;
}
