#pragma once
// The store's file on the disk: read whole, written whole in one atomic step under a lock
// that copies of the game share. Anything but a regular file in the store's place is never
// opened, nor replaced.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace quoxa::StoreFile {

// <config folder>/<app>/<app><suffix>: the store is ".conf", its lock ".lock" (not the
// name the toolkit's own lock file takes, so an older copy of the game is not confused).
QString Path(const QString &app, const char *suffix);

// The store's text: empty when there is none, nothing when something is there that cannot
// be read as a store (not a regular file, too large, a read error).
std::optional<QByteArray> ReadText(const QString &path, qint64 maxBytes = 4 * 1024 * 1024);

// The store's lock: an exclusive lock on a file of its own beside the store, held while
// this lives if it came within `waitMs`. Nothing runs while it waits: it asks again every
// few milliseconds, sleeping between, so a wait is only for the last write, on closing;
// with no wait it is taken at once or not at all. The lock file also keeps the name of the temporary file a save is writing, so
// that one left by a save cut short is cleared by the next. A lock file that cannot be
// opened is the run-time error 75.
class Lock {
public:
    Lock(const QString &app, int waitMs);
    ~Lock();
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;
    bool held() const { return mHeld; }
    QByteArray Recorded() const;
    bool Record(const QByteArray &name) const;

private:
    int mFd = -1;
    bool mHeld = false;
};

// The room left on the disk as the store's writes see it, from now on: a write that would
// take more fails as on a full disk. Tests make a full disk with it; below zero (as it
// starts) the disk's own room is all there is.
void LimitRoom(qint64 bytes);

// One atomic, checked write of the whole text, under the lock: a kill at any moment leaves
// the old file or the new one; a failure (a full disk included) leaves the old file as it
// was and is the run-time error 75. A link keeps pointing where it did, and the file keeps
// its mode.
void WriteText(const QString &path, const QByteArray &text, const Lock &lock);

// Adds a line at the end of the file, under the lock, in one write flushed to the disk. A
// last line that a kill cut short stays a line of its own. A failure is the run-time error 75.
void AppendLine(const QString &path, QByteArray line, const Lock &lock);

// The lines of a file from its end back, newest first, each handed to `take` until it says
// no more or the start of the file is reached. Empty lines are passed over, and so are
// lines longer than `maxLine`, without being kept in memory; a line's end may be "\r\n". True when the whole file was
// read; a file that cannot be read reads as empty. A thread asked to stop (its interruption
// requested) stops reading there.
bool ReadLinesBack(const QString &path, qsizetype maxLine, const std::function<bool(QByteArray line)> &take);

// A claim on a file that one running copy of the game holds while it plays it: an exclusive
// lock on "<path>.claim", taken at once or not at all, held while this lives, and let go by
// the system should the copy be killed.
class Claim {
public:
    explicit Claim(const QString &path);
    ~Claim();
    Claim(const Claim &) = delete;
    Claim &operator=(const Claim &) = delete;
    bool held() const { return mFd >= 0; }

private:
    int mFd = -1;
};

} // namespace quoxa::StoreFile
