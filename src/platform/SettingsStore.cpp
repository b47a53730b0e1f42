#include "platform/SettingsStore.h"
#include "platform/ErrorTrap.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quoxa::SettingsStore {
namespace {

// A store larger than this is not one the game wrote: it reads as unreadable.
constexpr qint64 kMaxStoreBytes = 4 * 1024 * 1024;
constexpr int kLockWaitMs = 2000;

// <config folder>/<app>/<app><suffix>: the store is ".conf", its lock ".lock" (not the
// name the toolkit's own lock file takes, so an older copy of the game is not confused).
QString StoreFile(const QString &app, const char *suffix)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + app +
           QLatin1Char('/') + app + QLatin1String(suffix);
}

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

// The store's text: empty when there is none, nothing when something is there that cannot
// be read as a store (not a regular file, too large, a read error).
std::optional<QByteArray> ReadText(const QString &path)
{
    const int fd = OpenRegular(path, O_RDONLY);
    if (fd < 0)
        return errno == ENOENT ? std::optional(QByteArray()) : std::nullopt;
    std::optional<QByteArray> text = QByteArray();
    char buffer[16384];
    for (ssize_t got; text && (got = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || text->size() + got > kMaxStoreBytes)
            text.reset();
        else
            text->append(buffer, got);
    }
    ::close(fd);
    return text;
}

bool WriteAll(int fd, const QByteArray &bytes)
{
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

// One atomic, checked write: a new file beside the target, written, flushed to the disk and
// closed with every error checked, then renamed over it. On any failure the target is as
// it was and the new file is gone.
void WriteText(const QString &path, const QByteArray &text)
{
    const QString target = WriteTarget(path);
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        throw RunError::FileAccess(target);
    QByteArray name = QFile::encodeName(target + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        throw RunError::FileAccess(target);
    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(name.constData(), QFile::encodeName(target).constData()) != 0) {
        ::unlink(name.constData());
        throw RunError::FileAccess(target);
    }
    // The rename itself reaches the disk with the folder.
    if (const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

// The store's lock, held while it lives: an exclusive lock on a file of its own beside
// the store, waited for a little while and no longer.
class Lock {
public:
    explicit Lock(const QString &app)
    {
        const QString lockPath = StoreFile(app, ".lock");
        QDir().mkpath(QFileInfo(lockPath).absolutePath());
        mFd = OpenRegular(lockPath, O_RDWR | O_CREAT | O_NOFOLLOW);
        QElapsedTimer waited;
        waited.start();
        while (mFd >= 0 && ::flock(mFd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK || waited.elapsed() > kLockWaitMs) {
                ::close(mFd);
                mFd = -1;
                break;
            }
            QThread::msleep(1);
        }
        if (mFd < 0)
            throw RunError::FileAccess(lockPath);
    }
    ~Lock() { ::close(mFd); } // closing lets go of the lock
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

private:
    int mFd = -1;
};

// Reads the whole store, changes it and writes it back, under the lock.
void Change(const QString &app, const std::function<bool(IniText::Document &)> &change)
{
    const Lock lock(app);
    const QString path = StoreFile(app, ".conf");
    const std::optional<QByteArray> text = ReadText(path);
    if (!text) // what cannot be read is never written over
        throw RunError::FileAccess(path);
    IniText::Document document(*text);
    if (change(document))
        WriteText(path, document.Text());
}

} // namespace

QHash<QString, QString> ReadSection(const QString &app, const QString &section)
{
    return IniText::Document(ReadText(StoreFile(app, ".conf")).value_or(QByteArray())).Section(section);
}

void WriteSection(const QString &app, const QString &section, const Values &values)
{
    Change(app, [&](IniText::Document &document) {
        document.Set(section, values);
        return true;
    });
}

void UpdateSection(const QString &app, const QString &section,
                   const std::function<std::optional<Values>(const QHash<QString, QString> &)> &change)
{
    Change(app, [&](IniText::Document &document) {
        const std::optional<Values> values = change(document.Section(section));
        if (values)
            document.Set(section, *values);
        return values.has_value();
    });
}

void DeleteSection(const QString &app, const QString &section)
{
    Change(app, [&](IniText::Document &document) {
        document.Remove(section);
        return true;
    });
}

} // namespace quoxa::SettingsStore
