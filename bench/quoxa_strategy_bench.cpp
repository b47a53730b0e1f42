// How good and how fast best play is: the expected final total from an empty sheet, the
// mean of 100000 games played by its decisions with the game's own dice and turn flow (no
// window), the mean of each computer level over games of a lone computer with seeded dice,
// and what solving costs. Measured, never asserted. Prints exactly:
//   best play from an empty sheet: expected final total X.XXXX
//   best play, 100000 simulated games: mean M.MM, standard error S.SS
//   level N: mean M.MM, standard error S.SS over K games       (N = 1 to 5)
//   solve: W.WW s wall, C.CC s CPU, table K KiB
// With the argument "par", it times the computer at Perfect on the dice of each day of a year
// instead (the score card's "Perfect computer on these dice" and the statistics' daily games),
// once solved:
//   par: N days, median M.MMM ms, slowest S.SSS ms, mean total T.TT
// With "most YEAR", for every day of that year both figures of the score card, one line a day,
// and on stderr what the most these dice allow took a day:
//   YYYY-MM-DD PERFECT MOST
//   most: N days, mean M.MMM ms, slowest S.SSS ms (CPU: mean M.MMM ms, slowest S.SSS ms)
#include "QuietBoard.h"
#include "engine/Game.h"
#include "engine/MostDice.h"
#include "engine/SeededDice.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace {

// One game of one player, every move the strategy's best, or a computer's of a level; its
// final total.
int PlayOne(quoxa::Game &game, const quoxa::Strategy &strategy, int level = 0)
{
    game.StartNewGame(quoxa::Players{}); // one person's sheet
    while (game.turn().mstrState != u"Game Over") {
        game.cmdThrow_Click(); // throws, or from "Continue" to the next turn's "Throw 0"
        if (!game.turn().mblnCanScore)
            continue;
        game.Play(level ? game.ComputerMove(strategy, level) : game.BestMove(strategy));
    }
    return game.Sheet(1).intGameTotal.value();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const auto started = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    const quoxa::Strategy strategy(2);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const double cpuSeconds = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    if (argc > 1 && std::string_view(argv[1]) == "par") {
        std::vector<double> ms;
        double totals = 0;
        for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1)) {
            const auto from = std::chrono::steady_clock::now();
            totals += quoxa::BestPlayTotal(strategy, quoxa::DiceOrigin::Daily(day).Faces());
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count());
        }
        std::sort(ms.begin(), ms.end());
        std::printf("par: %zu days, median %.3f ms, slowest %.3f ms, mean total %.2f\n", ms.size(), ms[ms.size() / 2], ms.back(), totals / double(ms.size()));
        return 0;
    }
    if (argc > 2 && std::string_view(argv[1]) == "most") {
        const int year = std::atoi(argv[2]);
        double sum = 0, slowest = 0, cpuSum = 0, cpuSlowest = 0; // wall and CPU time, in ms
        int days = 0;
        for (QDate day(year, 1, 1); day.isValid() && day.year() == year; day = day.addDays(1), ++days) {
            const quoxa::SeededFaces faces = quoxa::DiceOrigin::Daily(day).Faces();
            const auto from = std::chrono::steady_clock::now();
            const std::clock_t cpuFrom = std::clock();
            const int most = quoxa::MostTotal(faces);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
            const double cpuMs = 1000.0 * double(std::clock() - cpuFrom) / CLOCKS_PER_SEC;
            sum += ms;
            slowest = std::max(slowest, ms);
            cpuSum += cpuMs;
            cpuSlowest = std::max(cpuSlowest, cpuMs);
            std::printf("%s %d %d\n", qPrintable(day.toString(Qt::ISODate)), quoxa::BestPlayTotal(strategy, faces), most);
        }
        const double n = std::max(days, 1);
        std::fprintf(stderr, "most: %d days, mean %.3f ms, slowest %.3f ms (CPU: mean %.3f ms, slowest %.3f ms)\n", days, sum / n,
                     slowest, cpuSum / n, cpuSlowest);
        return 0;
    }

    QuietBoard board;
    // The mean and standard error of `games` games, each played by `level` (0: best play).
    const auto play = [&](quoxa::RandomSource &dice, int games, int level) {
        quoxa::Game game(board, dice);
        double sum = 0, squares = 0;
        for (int n = 0; n < games; ++n) {
            const double total = PlayOne(game, strategy, level);
            sum += total;
            squares += total * total;
        }
        const double mean = sum / games;
        return std::pair(mean, std::sqrt((squares / games - mean * mean) / (games - 1)));
    };
    constexpr int kGames = 100000, kLevelGames = 20000;
    quoxa::ClockRandomSource dice;
    const auto [mean, error] = play(dice, kGames, 0);
    std::printf("best play from an empty sheet: expected final total %.4f\n", strategy.ExpectedRest({}));
    std::printf("best play, %d simulated games: mean %.2f, standard error %.2f\n", kGames, mean, error);
    for (int level = 1; level <= quoxa::Strategy::kLevels; ++level) {
        quoxa::ClockRandomSource seeded([] { return std::uint64_t{20261207}; }); // the same games every run
        const auto [levelMean, levelError] = play(seeded, kLevelGames, level);
        std::printf("level %d: mean %.2f, standard error %.2f over %d games\n", level, levelMean, levelError, kLevelGames);
    }
    std::printf("solve: %.2f s wall, %.2f s CPU, table %zu KiB\n", wall, cpuSeconds, strategy.tableBytes() / 1024);
    return 0;
}
