#include "engine/GameFigures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace quoxa {

std::vector<std::pair<int, int>> PlayerFigures::Bins() const
{
    if (totals.empty())
        return {};
    const int first = *std::min_element(totals.begin(), totals.end()) / 10;
    std::vector<std::pair<int, int>> bins;
    for (int bin = first; bin <= best / 10; ++bin)
        bins.emplace_back(bin * 10, 0);
    for (int total : totals)
        bins[static_cast<std::size_t>(total / 10 - first)].second += 1;
    return bins;
}

std::vector<PlayerFigures> GameFigures(const std::vector<GameRecord> &games)
{
    // People before computers, then by name and level.
    std::map<std::tuple<bool, QString, int>, PlayerFigures> figures;
    for (const GameRecord &game : games) {
        if (!game.Over())
            continue; // a game left unfinished is kept, but counts for nothing
        const std::vector<PlayerSheet> sheets = game.Sheets();
        int top = 0;
        for (const PlayerSheet &sheet : sheets)
            top = std::max(top, int(sheet.intGameTotal.value()));
        for (std::size_t p = 0; p < sheets.size(); ++p) {
            const GameRecord::Player &player = game.players[p];
            const int level = player.computer ? player.level : 0;
            PlayerFigures &f = figures[{player.computer, player.name, level}];
            f.name = player.name;
            f.computer = player.computer;
            f.level = level;
            const int total = sheets[p].intGameTotal.value();
            f.games += 1;
            f.totals.push_back(total);
            f.best = std::max(f.best, total);
            f.bonusRate += sheets[p].intTotal > 63 ? 1 : 0;
            f.fiveAlikeRate += sheets[p].intQuoxa == 50 ? 1 : 0;
            if (sheets.size() >= 2) {
                f.contests += 1;
                f.wins += total == top ? 1 : 0;
            }
        }
    }
    std::vector<PlayerFigures> result;
    for (auto &[key, f] : figures) {
        double sum = 0, squares = 0;
        for (int total : f.totals)
            sum += total;
        f.mean = sum / f.games;
        for (int total : f.totals)
            squares += (total - f.mean) * (total - f.mean);
        f.deviation = f.games > 1 ? std::sqrt(squares / (f.games - 1)) : 0;
        f.bonusRate /= f.games;
        f.fiveAlikeRate /= f.games;
        result.push_back(std::move(f));
    }
    return result;
}

} // namespace quoxa
