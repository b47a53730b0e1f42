#pragma once
// The record of one game, as it was played: who played, and for every turn the dice after
// each throw, the dice held before it, and the category scored with its points. The game
// fills it as it goes; from it alone the game can be rebuilt, and its figures drawn.
#include "engine/DiceOrigin.h"
#include "engine/ScoreSheet.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

namespace quoxa {

using DiceSet = std::array<int, 5>;   // the five dice's faces, die 1 first
using HeldSet = std::array<bool, 5>;  // which dice are held

bool FiveAlike(const DiceSet &dice);

struct GameRecord {
    struct Player {
        QString name;
        bool computer = false;
        int level = 0; // a computer's level, 1 to 5
    };
    struct Throw {
        HeldSet held{}; // the dice held before the throw, which it did not change
        DiceSet dice{};
    };
    struct Turn {
        std::vector<Throw> throws;
        const SheetRow *scored = nullptr; // the category, while the turn is not over
        qint64 points = 0;                // as read: a record may claim any number
    };

    QDateTime started;
    std::vector<Player> players;
    std::vector<Turn> turns; // in the order played: turn i is player i % count + 1's
    HeldSet heldNow{};       // in a game under way, the dice held now
    bool unfinished = false; // left unfinished when a new game began: kept, never counted
    std::optional<DiceOrigin> dice; // where the dice come from; none in a game kept by an earlier version
    // The dice of a game played online: the link each copy published before the first throw,
    // in the order of the copies' first seats, and for every throw of the game the links the
    // copies revealed at it, in the same order, empty for a copy that had left (FairDice.h).
    struct SharedDice {
        std::vector<QByteArray> commits;
        std::vector<std::vector<QByteArray>> reveals; // the k-th throw's at k - 1
        QString room{};                  // the game's room, bare
        std::vector<QString> addresses{}; // each seat's copy's bare address, in the order of play
        // What a copy cut short needs to come back to the game: its id, its host's address,
        // this copy's own and the first link of its chain of shares (none when it plays no seat).
        QString game{}, host{}, me{};
        QByteArray chain{};
    };
    std::optional<SharedDice> shared; // none in a game at one table, or kept by an earlier version

    int PlayerCount() const { return static_cast<int>(players.size()); }
    // The player (1 to 4) whose turn that is.
    int PlayerOf(std::size_t turn) const { return static_cast<int>(turn % players.size()) + 1; }
    // Every box of every sheet is scored.
    bool Over() const;
    // Why the record cannot be a game of Quoxa ("turn 4 scores 30 in Full House"), or empty
    // when it can: players 1 to 4, each throw's dice 1 to 6 with the held dice unchanged,
    // every die thrown the face the dice's origin or the shares give it, every share revealed
    // the one before it in its copy's chain, at most three throws, every score
    // the dice's own in a box still open, and only the last turn unscored. Any number out of
    // range is such a fault, never an error.
    QString Fault() const;
    // Each player's sheet as the record's scores leave it, totals and bonuses included.
    std::vector<PlayerSheet> Sheets() const;
};

} // namespace quoxa
