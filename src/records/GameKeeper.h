#pragma once
// Keeps every game on the disk, whatever the world does. The game under way is written after
// each step to a file of its own that this copy of the game claims while it plays it, so that
// two copies at once never write, nor resume, the same game; it comes back when the game
// starts again (the one kept longest ago first, when several wait). A finished game joins the
// finished games, and so does, marked unfinished, a game under way that a new game ends. A
// write that another copy of the game holds up waits in the queue of every write.
#include "engine/GameRecord.h"
#include "platform/StoreFile.h"
#include "records/GameFiles.h"

#include <memory>
#include <optional>
#include <vector>

namespace quoxa {

class GameKeeper {
public:
    GameKeeper();
    ~GameKeeper(); // lets go of its claim: the game under way is another copy's to resume

    // A game under way that a copy of the game left when it was closed or cut short, and that
    // no running copy plays: the one kept longest ago, now this copy's. One that cannot be
    // played on is put aside, under the lock, as "<its file>.damaged" (or "-2", "-3"... beside
    // those set aside before) and the player told; one that cannot be moved stays as it was,
    // and this copy keeps its games in another place; one that was over joins the finished
    // games. Nothing when there is none: nothing is read or made then but a look at the folder.
    std::optional<GameRecord> Resume();

    // The game's record after a step: the game under way written, a finished game added to
    // the others, a begun game that a new one ends added as unfinished. A failure is told
    // once, until a record is kept again. Gives the games that join the finished ones.
    std::vector<GameRecord> Keep(const GameRecord &record);
    // On closing, the game as it stands: written now if the store is free, else with the
    // settings' last write.
    void Close(const GameRecord &record);

    // The finished games kept, and those left unfinished, oldest first, with their lines: read
    // without the store's lock, on any thread, however large the file.
    static GameFiles::Kept ReadFinished();
    // Empties the finished games (the games under way stay).
    static void ClearFinished();

private:
    std::vector<GameRecord> Keep(const GameRecord &record, bool closing);
    // The file of this copy's game under way: claimed the first time one is written, in the
    // first place without a game of its own.
    const QString &Place();

    std::unique_ptr<StoreFile::Claim> mClaim;
    QString mPath;
    std::optional<GameRecord> mUnderWay; // the last record kept, while it is begun and not over
    bool mFailed = false;                // the player has been told that a record could not be kept
};

} // namespace quoxa
