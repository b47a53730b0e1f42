#include "platform/StoreFile.h"
#include "platform/ErrorTrap.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quoxa::StoreFile {
namespace {

// The file a write replaces: the store itself, or the regular file its link points to (so
// the link stays). Anything else there cannot be written.
QString WriteTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return path;
    if (!info.isFile()) // a link to nothing, a folder, a device, a pipe...
        throw RunError::FileAccess(path);
    return info.canonicalFilePath();
}

// Opens without following a last link when asked, never blocking on a pipe or a device,
// and keeps the descriptor only for a regular file.
int OpenRegular(const QString &path, int flags, mode_t mode = 0600)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (::stat(name.constData(), &before) == 0 && !S_ISREG(before.st_mode)) {
        errno = EINVAL;
        return -1; // a pipe or a device is never even opened
    }
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

qint64 gRoom = -1; // see LimitRoom

bool WriteAll(int fd, const QByteArray &bytes)
{
    if (gRoom >= 0 && (gRoom -= bytes.size()) < 0) {
        gRoom = 0;
        errno = ENOSPC;
        return false;
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

// The temporary file a save makes beside its target: the target's name, a dot and six
// letters or digits.
QByteArray TemporaryName(const QByteArray &target)
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = target + '.';
    for (int i = 0; i < 6; ++i)
        name += kChars[QRandomGenerator::global()->bounded(int(sizeof kChars - 1))];
    return name;
}

// Clears what a save cut short left behind: the file named in the lock, when it is a
// temporary file of a save (a regular file beside its target, named as the target with a dot
// and six letters or digits) and either of this target or of another file that is there: the
// settings, the game under way and the finished games share the lock, and any of their saves
// clears a leftover of any other. Nothing else is ever removed.
void ClearLeftover(const QByteArray &recorded, const QByteArray &target)
{
    const qsizetype base = recorded.size() - 7;
    if (base <= 0 || recorded[base] != '.' || recorded.contains('\0') ||
        !std::all_of(recorded.end() - 6, recorded.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        }))
        return;
    const QByteArray of = recorded.left(base);
    struct stat st {};
    const bool ofAFile = of == target || (::stat(of.constData(), &st) == 0 && S_ISREG(st.st_mode));
    if (ofAFile && ::lstat(recorded.constData(), &st) == 0 && S_ISREG(st.st_mode))
        ::unlink(recorded.constData());
}

} // namespace

void LimitRoom(qint64 bytes)
{
    gRoom = bytes;
}

QString Path(const QString &app, const char *suffix)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + app +
           QLatin1Char('/') + app + QLatin1String(suffix);
}

// The store's text: empty when there is none, nothing when something is there that cannot
// be read as a store (not a regular file, too large, a read error).
std::optional<QByteArray> ReadText(const QString &path, qint64 maxBytes)
{
    const int fd = OpenRegular(path, O_RDONLY);
    if (fd < 0)
        return errno == ENOENT ? std::optional(QByteArray()) : std::nullopt;
    std::optional<QByteArray> text = QByteArray();
    char buffer[65536];
    for (ssize_t got; text && (got = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || text->size() + got > maxBytes)
            text.reset();
        else
            text->append(buffer, got);
    }
    ::close(fd);
    return text;
}

Lock::Lock(const QString &app, int waitMs)
{
    const QString lockPath = Path(app, ".lock");
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    mFd = OpenRegular(lockPath, O_RDWR | O_CREAT | O_NOFOLLOW);
    bool failed = mFd < 0;
    QElapsedTimer waited;
    waited.start();
    while (!failed && !(mHeld = ::flock(mFd, LOCK_EX | LOCK_NB) == 0)) {
        failed = errno != EWOULDBLOCK && errno != EINTR;
        if (failed || waited.elapsed() >= waitMs)
            break;
        ::usleep(20'000);
    }
    if (failed) {
        ::close(mFd);
        throw RunError::FileAccess(lockPath);
    }
}

Lock::~Lock()
{
    ::close(mFd); // closing lets go of the lock
}

QByteArray Lock::Recorded() const
{
    char name[4096];
    const ssize_t got = ::pread(mFd, name, sizeof name, 0);
    return got > 0 ? QByteArray(name, got) : QByteArray();
}

bool Lock::Record(const QByteArray &name) const
{
    return ::ftruncate(mFd, 0) == 0 && ::pwrite(mFd, name.constData(), static_cast<size_t>(name.size()), 0) == name.size();
}

// One atomic, checked write: a new file beside the target with the target's mode, written,
// flushed to the disk and closed with every error checked, then renamed over it. On any
// failure the target is as it was and the new file is gone.
void WriteText(const QString &path, const QByteArray &text, const Lock &lock)
{
    const QString target = WriteTarget(path);
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        throw RunError::FileAccess(target);
    const QByteArray targetName = QFile::encodeName(target);
    ClearLeftover(lock.Recorded(), targetName);
    struct stat st {};
    const mode_t mode = ::stat(targetName.constData(), &st) == 0 ? st.st_mode & 07777 : 0600;
    QByteArray name;
    int fd = -1;
    for (int tries = 0; fd < 0 && tries < 100; ++tries) {
        name = TemporaryName(targetName);
        lock.Record(name); // before the file exists: a kill can come at any moment
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throw RunError::FileAccess(target);
    ::fchmod(fd, mode); // a file system without modes still takes the store
    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(name.constData(), targetName.constData()) != 0) {
        ::unlink(name.constData());
        lock.Record({});
        throw RunError::FileAccess(target);
    }
    lock.Record({});
    // The rename itself reaches the disk with the folder.
    if (const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void AppendLine(const QString &path, QByteArray line, const Lock &)
{
    const QString target = WriteTarget(path);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        throw RunError::FileAccess(target);
    const int fd = OpenRegular(target, O_RDWR | O_CREAT | O_APPEND);
    if (fd < 0)
        throw RunError::FileAccess(target);
    char last = '\n';
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1)
        last = 0;
    if (last != '\n')
        line.prepend('\n');
    line.append('\n');
    const bool written = WriteAll(fd, line) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written)
        throw RunError::FileAccess(target);
}

bool ReadLinesBack(const QString &path, qsizetype maxLine, const std::function<bool(QByteArray line)> &take)
{
    const int fd = OpenRegular(path, O_RDONLY);
    if (fd < 0)
        return true;
    constexpr qint64 kChunk = 65536;
    off_t at = ::lseek(fd, 0, SEEK_END);
    QByteArray tail;      // the end of a line whose start lies further back
    bool tooLong = false; // the line being read back is longer than maxLine: passed over
    bool more = true;
    const auto hand = [&](QByteArray line) {
        if (line.endsWith('\r')) // a line ended as on Windows is the same line
            line.chop(1);
        if (!tooLong && !line.isEmpty() && line.size() <= maxLine)
            more = take(std::move(line));
        tooLong = false;
    };
    QByteArray chunk(kChunk, Qt::Uninitialized);
    while (more && at > 0 && !QThread::currentThread()->isInterruptionRequested()) {
        const qint64 size = std::min<qint64>(kChunk, at);
        at -= size;
        if (::pread(fd, chunk.data(), size_t(size), at) != size)
            break;
        qsizetype end = size;
        for (qsizetype nl = chunk.lastIndexOf('\n', end - 1); more && nl >= 0; nl = chunk.lastIndexOf('\n', end - 1)) {
            hand(tooLong ? QByteArray() : chunk.mid(nl + 1, end - nl - 1) + tail);
            tail.clear();
            end = nl;
            if (end == 0)
                break;
        }
        if (!more)
            break;
        if (!tooLong)
            tail.prepend(chunk.constData(), end);
        if (tail.size() > maxLine) {
            tooLong = true;
            tail.clear();
        }
    }
    if (more && at == 0)
        hand(std::move(tail));
    ::close(fd);
    return more && at == 0;
}

Claim::Claim(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return;
    mFd = OpenRegular(path + QStringLiteral(".claim"), O_RDWR | O_CREAT | O_NOFOLLOW);
    if (mFd >= 0 && ::flock(mFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(mFd);
        mFd = -1;
    }
}

Claim::~Claim()
{
    if (mFd >= 0)
        ::close(mFd);
}

} // namespace quoxa::StoreFile
