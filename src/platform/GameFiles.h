#pragma once
// The games kept on the disk, in the player's data folder ($XDG_DATA_HOME/Quoxa, else
// ~/.local/share/Quoxa): the game under way in Game.json, one JSON document, and the
// finished games in Games.jsonl, one game a line, the last 1,000 of them. Both are written
// under the settings store's lock: the game under way with its atomic write, a finished game
// appended in one flushed write. A line that cannot be read is passed over.
#include "engine/GameRecord.h"

#include <QJsonObject>
#include <optional>

namespace quoxa::GameFiles {

constexpr int kKeptGames = 1000;

QString CurrentPath();  // .../Game.json
QString FinishedPath(); // .../Games.jsonl

// A record as JSON, and back: nothing when the JSON is not a record's shape.
QJsonObject ToJson(const GameRecord &record);
std::optional<GameRecord> FromJson(const QJsonObject &object);

// What Game.json holds: nothing when there is no file; else the record, or why it cannot be
// played on (its fault, or that it cannot be read).
struct Current {
    bool found = false;
    std::optional<GameRecord> record;
    QString fault;
};
Current ReadCurrent();
// Puts a Game.json that cannot be played on aside as Game.json.damaged; its new path.
QString SetAsideCurrent();

// Every finished game kept, oldest first, whatever line cannot be read passed over.
std::vector<GameRecord> ReadFinished();
// Empties the finished games.
void ClearFinished(int waitMs);

// Keeps the game's records as it hands them on. The game under way goes to Game.json; a
// finished game is added to Games.jsonl (the oldest beyond 1,000 then go) and Game.json
// goes. While another copy of the game holds the lock longer than `waitMs`, what could not
// be written waits for the next record or the last call; a write that fails is the run-time
// error 75.
class Keeper {
public:
    // Returns true when everything handed on is on the disk.
    bool Keep(const GameRecord &record, int waitMs);

private:
    bool Flush(int waitMs);
    std::vector<GameRecord> mFinished;    // finished games not yet added
    std::optional<GameRecord> mUnderWay;  // the game under way, not yet written
    bool mEndUnderWay = false;            // Game.json is to go
};

} // namespace quoxa::GameFiles
