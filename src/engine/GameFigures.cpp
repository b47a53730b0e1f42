#include "engine/GameFigures.h"
#include "engine/MostDice.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quoxa {

std::vector<std::pair<int, int>> PlayerFigures::Bins() const
{
    if (totals.empty())
        return {};
    const int lowest = *std::min_element(totals.begin(), totals.end());
    constexpr std::array kWidths{10, 20, 25, 50, 100, 200}; // 200 points: no more than 8 bins for any totals
    const int width = *std::find_if(kWidths.begin(), kWidths.end() - 1,
                                    [&](int w) { return best / w - lowest / w < kMostBins; });
    std::vector<std::pair<int, int>> bins;
    for (int bin = lowest / width; bin <= best / width; ++bin)
        bins.emplace_back(bin * width, 0);
    for (int total : totals)
        bins[static_cast<std::size_t>(total / width - lowest / width)].second += 1;
    return bins;
}

GameFigures::GameFigures(const std::vector<GameRecord> &games)
{
    for (const GameRecord &game : games)
        Add(game);
}

void GameFigures::Add(const GameRecord &game)
{
    if (!game.Over())
        return; // a game left unfinished is kept, but counts for nothing
    const std::vector<PlayerSheet> sheets = game.Sheets();
    int top = 0;
    for (const PlayerSheet &sheet : sheets)
        top = std::max(top, int(sheet.intGameTotal.value()));
    for (std::size_t p = 0; p < sheets.size(); ++p) {
        const GameRecord::Player &player = game.players[p];
        const int level = player.computer ? player.level : 0;
        Tally &tally = mPlayers[{player.computer, player.name, level}];
        PlayerFigures &f = tally.figures;
        f.name = player.name;
        f.computer = player.computer;
        f.level = level;
        const int total = sheets[p].intGameTotal.value();
        f.games += 1;
        f.totals.push_back(total);
        f.best = std::max(f.best, total);
        tally.bonusGames += UpperBonusEarned(sheets[p]) ? 1 : 0;
        tally.fiveAlikeGames += sheets[p].intQuoxa == 50 ? 1 : 0;
        if (game.dice && game.dice->daily()) {
            tally.daily.emplace_back(*game.dice, total);
            if (const auto known = mMost.try_emplace(game.dice->code, 0); known.second)
                known.first->second = MostTotal(game.dice->Faces());
        }
        if (sheets.size() >= 2) {
            f.contests += 1;
            f.wins += total == top ? 1 : 0;
        }
    }
}

std::vector<PlayerFigures> GameFigures::Players(const Strategy *strategy) const
{
    std::vector<PlayerFigures> result;
    for (const auto &[key, tally] : mPlayers) {
        PlayerFigures f = tally.figures;
        double sum = 0, squares = 0;
        for (int total : f.totals)
            sum += total;
        f.mean = sum / f.games;
        for (int total : f.totals)
            squares += (total - f.mean) * (total - f.mean);
        f.deviation = f.games > 1 ? std::sqrt(squares / (f.games - 1)) : 0;
        f.bonusRate = double(tally.bonusGames) / f.games;
        f.fiveAlikeRate = double(tally.fiveAlikeGames) / f.games;
        f.dailyGames = int(tally.daily.size());
        if (!tally.daily.empty()) {
            double belowPerfect = 0, belowMost = 0;
            for (const auto &[dice, total] : tally.daily) {
                belowMost += mMost.at(dice.code) - total;
                if (!strategy)
                    continue;
                const auto known = mPerfect.try_emplace(dice.code, 0);
                if (known.second)
                    known.first->second = BestPlayTotal(*strategy, dice.Faces());
                belowPerfect += known.first->second - total;
            }
            f.belowMost = belowMost / f.dailyGames;
            if (strategy)
                f.belowPerfect = belowPerfect / f.dailyGames;
        }
        result.push_back(std::move(f));
    }
    return result;
}

} // namespace quoxa
