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

// How often writes that could not wait so long are tried again.
constexpr int kRetryMs = 500;
int gLockWaitMs = 10000;

struct Waiting {
    QString app;
    QString what;
    QString key;
    Write write;
};
QList<Waiting> gWaiting; // in the order they were asked for
bool gBusy = false;      // a write is being made, or waits for the lock

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
    return taken;
}

void MakeWaiting(const QString &app, const StoreFile::Lock &lock)
{
    for (const Waiting &waiting : TakeWaiting(app))
        Trap([&] { waiting.write(lock); });
}

// Joins the end of the queue; a waiting write with the same key leaves it, since this one
// writes the newer state. True when one did.
bool Join(Waiting waiting)
{
    const auto same = std::find_if(gWaiting.begin(), gWaiting.end(), [&](const Waiting &w) {
        return !waiting.key.isEmpty() && w.app == waiting.app && w.key == waiting.key;
    });
    const bool replaced = same != gWaiting.end();
    if (replaced)
        gWaiting.erase(same);
    gWaiting.append(std::move(waiting));
    return replaced;
}

void Tell(const char *message, const QString &app, const QList<Waiting> &waiting)
{
    QStringList whats;
    for (const Waiting &w : waiting)
        if (!whats.contains(w.what))
            whats << w.what;
    Messages::ShowNotice(QCoreApplication::translate("SettingsStore", message).arg(app, Messages::Listed(whats)));
}

// Tries the writes waiting again now and then, as long as there are any.
void TryAgainLater()
{
    static QTimer *timer = nullptr;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setInterval(kRetryMs);
        QObject::connect(timer, &QTimer::timeout, [] {
            if (gBusy || gWaiting.isEmpty())
                return;
            const Busy busy;
            const QString app = gWaiting.first().app;
            // A lock that cannot even be opened any more is an error, told once.
            if (!Trap([&] {
                    const StoreFile::Lock lock(app, 0);
                    if (lock.held())
                        MakeWaiting(app, lock);
                    return true;
                }))
                TakeWaiting(app);
            if (gWaiting.isEmpty())
                timer->stop();
        });
    }
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
        if (IsWaiting(app))
            Tell(QT_TRANSLATE_NOOP("SettingsStore", "Another copy of %1 is using the store: %2 will be saved when it is free."),
                 app, gWaiting);
    });
}

} // namespace

bool Make(const QString &app, const QString &what, Write write, When when, const QString &key)
{
    const Busy busy;
    const bool wait = when == When::Closing || (when == When::Playing && !IsWaiting(app));
    const StoreFile::Lock lock(app, wait ? gLockWaitMs : 0);
    if (lock.held()) {
        MakeWaiting(app, lock);
        write(lock);
        return true;
    }
    const bool told = Join({app, what, key, std::move(write)}); // the player knows of it already
    if (when == When::Closing) {
        Tell(QT_TRANSLATE_NOOP("SettingsStore", "Another copy of %1 is still using the store: %2 could not be saved."), app,
             TakeWaiting(app));
    } else {
        if (when == When::Playing && !told)
            TellWhatWaits(app);
        TryAgainLater();
    }
    return false;
}

void SetLockWait(int ms)
{
    gLockWaitMs = ms;
}

} // namespace quoxa::LockedWrites
