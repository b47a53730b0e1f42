#pragma once
// The games kept on the disk, in the player's data folder ($XDG_DATA_HOME/Quoxa, else
// ~/.local/share/Quoxa): each game under way in a file of its own ("Game.json", then
// "Game-2.json" ... for games of other copies of the game at once), one JSON document; and
// the finished games in Games.jsonl, one game a line, the last 1,000 of them, with the games
// a new game left unfinished among them. Every line is read on its own: one that cannot be
// read, or is no possible game, or is longer than any game, is passed over.
#include "engine/GameRecord.h"
#include "platform/StoreFile.h"

#include <QJsonObject>
#include <array>
#include <optional>

namespace quoxa::GameFiles {

constexpr int kKeptGames = 1000;
// Far beyond the longest line a game makes (about 2 KiB for four players).
constexpr qsizetype kMaxLine = 64 * 1024;

QString Folder();       // .../Quoxa
QString FinishedPath(); // .../Games.jsonl
// The file of the game under way in place `slot`: 1 "Game.json", 2 "Game-2.json" ...
QString SlotPath(int slot);

// A record as JSON, and back: nothing when the JSON is not a record's shape.
QJsonObject ToJson(const GameRecord &record);
std::optional<GameRecord> FromJson(const QJsonObject &object);
// A game among the finished games, as its line (without its end) and back: nothing when the
// line is not a finished game's, or a game's left unfinished, without fault.
QByteArray Line(const GameRecord &record);
std::optional<GameRecord> FromLine(const QByteArray &line);

// The games kept among the finished games, oldest first: the last 1,000 lines that hold a
// finished game or one left unfinished, whatever the file's size; each game with its line.
struct Kept {
    std::vector<QByteArray> lines;
    std::vector<GameRecord> games;
};
Kept ReadKept();
// Adding a game to the finished games, worked out without the lock (reading what may be a
// large file) and made under it. The game is added unless its line is there already (the game
// was ended, then the program killed before the game under way could go). Once the file
// holds 1,000 games, or much that is no game, it is written again with the last 1,000 games.
struct Addition {
    QByteArray line;                    // the game's line
    bool there = false;                 // the game is among the finished games already
    std::optional<QByteArray> trimmed;  // the file written again, when it is due
    std::array<qint64, 4> stamp{};      // the file as it was read: device, node, size, time
};
Addition PlanAddition(const GameRecord &record);
// Under the lock: worked out again should the file have changed since. The line is appended
// first, needing only its own room; the file written again needs room for a second copy of
// it, and when there is none, a later game does it.
void AddKept(const Addition &addition, const StoreFile::Lock &lock);

} // namespace quoxa::GameFiles
