#pragma once
// One player's score sheet and the table of the four players.
#include "engine/Checked.h"

#include <QString>
#include <array>
#include <span>

namespace quoxa {

struct PlayerSheet {
    // A category holds -1 while it is not scored; any other value, 0 included, is a score.
    static constexpr int kUnscored = -1;

    Int16 intBonus;
    Int16 intChance{kUnscored};
    Int16 intFives{kUnscored};
    Int16 intFourOfAKind{kUnscored};
    Int16 intFours{kUnscored};
    Int16 intFullHouse{kUnscored};
    Int16 intGameTotal;
    Int16 intLargeStraight{kUnscored};
    Int16 intOnes{kUnscored};
    Int16 intSection1Total;
    Int16 intSection2Total;
    Int16 intSixes{kUnscored};
    Int16 intSmallStraight{kUnscored};
    Int16 intThreeOfAKind{kUnscored};
    Int16 intThrees{kUnscored};
    Int16 intTotal;
    Int16 intTwos{kUnscored};
    Int16 intQuoxa{kUnscored};
    Int16 intQuoxaCount;
    QString strName;

};

// The four players, numbered 1 to 4. All four always exist; only the first
// of a game's player count take part. Any other number is "Subscript out of range".
class PlayerTable {
public:
    static constexpr int kUpperBound = 4;
    PlayerSheet &operator()(int index);
    const PlayerSheet &operator()(int index) const;
    // The sheets of players 1 to `count`.
    std::span<const PlayerSheet> First(int count) const;

private:
    std::array<PlayerSheet, kUpperBound> mSheets;
};

} // namespace quoxa
