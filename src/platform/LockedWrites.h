#pragma once
// Every write of the game's files is made under the store's lock, which the copies of the
// game share: the settings, the high scores and the games kept. While another copy holds
// the lock, a write made while playing does not wait for it: it joins the one queue of every
// write that waits, the game plays on, the player is told once what waits ("Ada's 254 and the
// game under way will be saved when it is free."), and the queue is written, oldest first,
// as soon as the lock is free. The game's last write, on closing, waits for the lock up to
// ten seconds, nothing else running meanwhile, and tells the player what could not be saved.
#include "platform/StoreFile.h"

#include <QString>
#include <functional>

namespace quoxa::LockedWrites {

enum class When {
    Playing, // made now if the lock is free, else joins the queue and the player is told
    Later,   // waits for nothing: made now if the lock is free, else joins the queue unsaid
    Closing, // waits for the lock, and tells what cannot be made
};

using Write = std::function<void(const StoreFile::Lock &lock)>;

// Makes `write` under the lock of `app`'s store, after any writes still waiting; `what`
// names it for the player. A write with a key takes the place of a waiting one with the
// same key: only the newest of a file's states matters. True when it was made now; a
// run-time error of a write made now reaches the caller, one made later is reported.
bool Make(const QString &app, const QString &what, Write write, When when = When::Playing, const QString &key = {});

// How long the last write, on closing, waits for the lock: ten seconds, unless a test sets it
// shorter.
void SetLockWait(int ms);

} // namespace quoxa::LockedWrites
