#pragma once
// What the finished games say of each one who played them: a person by name, a computer by
// name and level, each apart. Adding a daily game works out the most its dice allow, a few
// milliseconds: many games are best added off the window's thread.
#include "engine/GameRecord.h"
#include "engine/SeededDice.h"

#include <map>
#include <tuple>
#include <vector>

namespace quoxa {

struct PlayerFigures {
    QString name;
    bool computer = false;
    int level = 0;
    int games = 0;
    int contests = 0; // games of two or more players
    int wins = 0;     // of those, the ones it won or shared
    int best = 0;
    double mean = 0;
    double deviation = 0;     // the standard deviation of its totals (n - 1), 0 for one game
    double bonusRate = 0;     // the share of its games with the upper section's bonus of 35
    double fiveAlikeRate = 0; // the share with 50 in the Quoxa box
    std::vector<int> totals;  // in the order played
    int dailyGames = 0;       // daily games played
    // How far its daily games' totals fell, on the mean, below what the computer at Perfect
    // makes alone on their dice (negative: above it), nothing while best play is not known;
    // and below the most their dice allow. Nothing without daily games.
    std::optional<double> belowPerfect, belowMost;

    // How many totals fall in each bin, from the lowest total's bin to the best's: each bin's
    // first total and its count. The bins are 10 points wide, or 20, 25, 50, 100 or 200 when
    // narrower ones would be more than kMostBins: a chart can label every one.
    static constexpr int kMostBins = 16;
    std::vector<std::pair<int, int>> Bins() const;
};

// The figures of finished games, added one game at a time: people first in them, each group
// by name. A game that is not over (left unfinished) counts for nothing.
class GameFigures {
public:
    GameFigures() = default;
    explicit GameFigures(const std::vector<GameRecord> &games);
    void Add(const GameRecord &game);
    // With best play solved, the daily games are measured against the computer at Perfect.
    std::vector<PlayerFigures> Players(const Strategy *strategy = nullptr) const;
    bool empty() const { return mPlayers.empty(); }

private:
    struct Tally {
        PlayerFigures figures; // name, level, games, contests, wins, best and totals
        int bonusGames = 0, fiveAlikeGames = 0;
        std::vector<std::pair<DiceOrigin, int>> daily; // each daily game's dice and total
    };
    std::map<std::tuple<bool, QString, int>, Tally> mPlayers;
    mutable std::map<std::uint64_t, int> mPerfect; // the Perfect computer's total by dice code, once worked out
    std::map<std::uint64_t, int> mMost;            // the most the dice allow, by code, worked out as a game is added
};

} // namespace quoxa
