#include "platform/LockedWrites.h"
#include "platform/ErrorTrap.h"
#include "platform/Messages.h"

#include <QCoreApplication>
#include <QList>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace quoxa::LockedWrites {
namespace {

// How often the writes that wait are tried again: well within a second of the lock's release.
constexpr int kRetryMs = 250;
int gLockWaitMs = 10000;

struct Waiting {
    QString app;
    QString what;
    QString key;
    Write write;
};
QList<Waiting> gWaiting; // in the order they were asked for
bool gBusy = false;      // a write is being made
QStringList gTold;       // the apps whose player knows that writes wait, until none does

struct Busy {
    const bool was = gBusy;
    Busy() { gBusy = true; }
    ~Busy() { gBusy = was; }
};

bool IsWaiting(const QString &app)
{
    return std::any_of(gWaiting.cbegin(), gWaiting.cend(), [&](const Waiting &w) { return w.app == app; });
}

// The writes of this app waiting, taken out of the queue.
QList<Waiting> TakeWaiting(const QString &app)
{
    QList<Waiting> taken, others;
    for (Waiting &waiting : gWaiting)
        (waiting.app == app ? taken : others).append(std::move(waiting));
    gWaiting = std::move(others);
    gTold.removeAll(app);
    return taken;
}

void MakeWaiting(const QString &app, const StoreFile::Lock &lock)
{
    for (const Waiting &waiting : TakeWaiting(app))
        Trap([&] { waiting.write(lock); });
}

// Joins the end of the queue; a waiting write with the same key leaves it, since this one
// writes the newer state.
void Join(Waiting waiting)
{
    const auto same = std::find_if(gWaiting.begin(), gWaiting.end(), [&](const Waiting &w) {
        return !waiting.key.isEmpty() && w.app == waiting.app && w.key == waiting.key;
    });
    if (same != gWaiting.end())
        gWaiting.erase(same);
    gWaiting.append(std::move(waiting));
}

void Tell(const char *message, const QString &app, const QList<Waiting> &waiting)
{
    QStringList whats;
    for (const Waiting &w : waiting)
        if (!whats.contains(w.what))
            whats << w.what;
    Messages::ShowNotice(QCoreApplication::translate("SettingsStore", message).arg(app, Messages::Listed(whats)));
}

// Makes the writes of `app` that wait if the lock is free now. A lock that cannot even be
// opened any more is an error, told once, and they are dropped.
void TryWaiting(QString app) // a copy: the queue it may name changes
{
    if (gBusy || !IsWaiting(app))
        return;
    const Busy busy;
    if (!Trap([&] {
            const StoreFile::Lock lock(app, 0);
            if (lock.held())
                MakeWaiting(app, lock);
            return true;
        }))
        TakeWaiting(app);
}

// Tries the writes waiting again now and then, as long as there are any.
void TryAgainLater()
{
    static QTimer *timer = nullptr;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setInterval(kRetryMs);
        QObject::connect(timer, &QTimer::timeout, [] {
            if (!gWaiting.isEmpty())
                TryWaiting(gWaiting.first().app);
            if (gWaiting.isEmpty())
                timer->stop();
        });
    }
    if (!timer->isActive())
        timer->start();
}

// Tells the player what waits, once the step that made it wait is over: the four totals of
// a game's end in one message.
void TellWhatWaits(const QString &app)
{
    static bool due = false;
    if (std::exchange(due, true))
        return;
    QTimer::singleShot(0, [app] {
        due = false;
        TryWaiting(app); // a lock let go of meanwhile: nothing to tell
        if (IsWaiting(app))
            Tell(QT_TRANSLATE_NOOP("SettingsStore", "Another copy of %1 is using the store: %2 will be saved when it is free."),
                 app, gWaiting);
    });
}

} // namespace

bool Make(const QString &app, const QString &what, Write write, When when, const QString &key)
{
    const Busy busy;
    const StoreFile::Lock lock(app, when == When::Closing ? gLockWaitMs : 0);
    if (lock.held()) {
        MakeWaiting(app, lock);
        write(lock);
        return true;
    }
    Join({app, what, key, std::move(write)});
    if (when == When::Closing) {
        Tell(QT_TRANSLATE_NOOP("SettingsStore", "Another copy of %1 is still using the store: %2 could not be saved."), app,
             TakeWaiting(app));
    } else {
        if (when == When::Playing && !gTold.contains(app)) { // told once, whatever joins it later
            gTold << app;
            TellWhatWaits(app);
        }
        TryAgainLater();
    }
    return false;
}

void SetLockWait(int ms)
{
    gLockWaitMs = ms;
}

} // namespace quoxa::LockedWrites
