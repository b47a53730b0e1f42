// How fast and how lean the game is, measured against a floor: a minimal Qt main window
// with a menu, a tool bar and a status bar. Run as
//   build/bench/quoxa_bench            (prints the table; runs the others as children)
// Its children: "floor" and "board" show their window and report when it was first painted;
// "game" plays a whole four-player game through the window and reports its CPU time.
#include "board/frmMain.h"
#include "engine/RandomSource.h"
#include "settings/basMain.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Reports "painted <peak KiB>" on the window's first paint, then ends the process.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !mDone) {
            mDone = true;
            QTimer::singleShot(0, [] {
                std::printf("painted %ld\n", PeakKiB());
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool mDone = false;
};

int ShowAndReport(QWidget &window)
{
    FirstPaint watcher;
    window.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}

int Floor()
{
    QMainWindow window;
    for (const char *menu : {"&Game", "&Edit", "&Options", "&View", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    QToolBar *bar = window.addToolBar(QStringLiteral("Tools"));
    for (int i = 0; i < 8; ++i)
        bar->addAction(QStringLiteral("B%1").arg(i));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(481, 425);
    return ShowAndReport(window);
}

int Board()
{
    quoxa::frmMain board;
    return ShowAndReport(board);
}

// Faces 1 to 6 over and over: never five alike, so no celebration holds the clock.
class CyclingDice : public quoxa::RandomSource {
public:
    void Reseed() override {}
    float Next() override { return (static_cast<float>(mNext++ % 6) + 0.5f) / 6.0f; }

private:
    int mNext = 0;
};

int Game()
{
    quoxa::gintPlayerCount = 4;
    CyclingDice dice;
    quoxa::frmMain board(&dice);
    board.show();
    quoxa::gintPlayerCount = 4;
    quoxa::gblnPlaySound = false;
    board.game().StartNewGame();
    QApplication::processEvents(); // the board's first paint is start-up, not play
    // The high-score window at the end closes as soon as it opens.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(0);
    const double start = CpuMs();
    for (int turn = 0; turn < 52; ++turn) {
        for (int t = 0; t < 3; ++t)
            board.cmdThrow_Click();
        const int category = turn / 4;
        int seen = -1;
        for (const quoxa::SheetRow &row : quoxa::kScoreSheet) {
            seen += row.isCategory() ? 1 : 0;
            if (row.isCategory() && seen == category) {
                board.game().RecordScore(row.label);
                break;
            }
        }
        if (board.game().mstrState == u"Continue")
            board.cmdThrow_Click();
    }
    std::printf("game %.2f %s\n", CpuMs() - start, qPrintable(board.game().mstrState));
    return 0;
}

// Runs this program as a child and returns its report line and the wall time it took.
std::pair<QString, double> Child(const QString &mode, const QString &config)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    child.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    child.waitForReadyRead(30000);
    const double ms = clock.nsecsElapsed() / 1e6;
    const QString line = QString::fromLocal8Bit(child.readLine()).trimmed();
    child.waitForFinished(30000);
    return {line, ms};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Orchestrate()
{
    QTemporaryDir config;
    constexpr int kRuns = 21;
    std::vector<double> floorMs, boardMs, games;
    long floorKiB = 0, boardKiB = 0;
    for (int run = 0; run < kRuns; ++run) { // side by side, taking turns
        const auto [floorLine, floorTime] = Child(QStringLiteral("floor"), config.path());
        const auto [boardLine, boardTime] = Child(QStringLiteral("board"), config.path());
        floorMs.push_back(floorTime);
        boardMs.push_back(boardTime);
        floorKiB = std::max(floorKiB, floorLine.section(' ', 1).toLong());
        boardKiB = std::max(boardKiB, boardLine.section(' ', 1).toLong());
        games.push_back(Child(QStringLiteral("game"), config.path()).first.section(' ', 1, 1).toDouble());
    }
    const double floor = Median(floorMs), board = Median(boardMs);
    std::printf("%-34s %10s %10s %8s\n", "median of 21 runs", "floor", "Quoxa", "ratio");
    std::printf("%-34s %8.1f ms %7.1f ms %8.2f   (target: at most 1.30)\n", "start-up to first painted frame", floor,
                board, board / floor);
    std::printf("%-34s %7.1f MiB %6.1f MiB %+7.1f MiB (target: at most +15 MiB)\n", "peak memory", floorKiB / 1024.0,
                boardKiB / 1024.0, (boardKiB - floorKiB) / 1024.0);
    std::printf("%-34s %21.1f ms   (target: under 50 ms)\n", "CPU time of a 4-player game", Median(games));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == u"floor")
        return Floor();
    if (mode == u"board")
        return Board();
    if (mode == u"game")
        return Game();
    return Orchestrate();
}
