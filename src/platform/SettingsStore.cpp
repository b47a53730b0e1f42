#include "platform/SettingsStore.h"
#include "platform/ErrorTrap.h"
#include "platform/StoreFile.h"
#include "platform/basHelp.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace quoxa::SettingsStore {
namespace {

// How long a change waits for another copy of the game to let go of the store, and how
// often a change that could not wait so long is tried again.
constexpr int kLockWaitMs = 10000;
constexpr int kRetryMs = 500;

using StoreFile::Lock;

using Change = std::function<bool(IniText::Document &)>;

// Reads the store, changes it and writes it back; the lock is held.
void Apply(const QString &app, const Change &change, const Lock &lock)
{
    const QString path = StoreFile::Path(app, ".conf");
    const std::optional<QByteArray> text = StoreFile::ReadText(path);
    if (!text) // what cannot be read is never written over
        throw RunError::FileAccess(path);
    IniText::Document document(*text);
    if (change(document))
        StoreFile::WriteText(path, document.Text(), lock);
}

// The changes that wait for another copy of the game to let go of the store, in order.
struct Waiting {
    QString app;
    QString what;
    Change change;
};
QList<Waiting> gWaiting;
bool gBusy = false; // a change is being made, or waits for the lock

struct Busy {
    const bool was = gBusy;
    Busy() { gBusy = true; }
    ~Busy() { gBusy = was; }
};

bool IsWaiting(const QString &app)
{
    return std::any_of(gWaiting.cbegin(), gWaiting.cend(), [&](const Waiting &w) { return w.app == app; });
}

// The changes of this app waiting, taken out of the queue.
QList<Waiting> TakeWaiting(const QString &app)
{
    QList<Waiting> taken, others;
    for (Waiting &waiting : gWaiting)
        (waiting.app == app ? taken : others).append(std::move(waiting));
    gWaiting = std::move(others);
    return taken;
}

// Makes the changes of this app that were waiting, in order, each under the error trap.
void MakeWaiting(const QString &app, const Lock &lock)
{
    for (const Waiting &waiting : TakeWaiting(app))
        Trap([&] { Apply(app, waiting.change, lock); });
}

// What waits, told to the player: "Ada's 254, Bea's 230 and the settings".
QString WhatWaits(const QList<Waiting> &waiting)
{
    QStringList whats;
    for (const Waiting &w : waiting)
        whats << w.what;
    return basHelp::Listed(whats);
}

// Tells the player what waits, in one of the two messages below.
void Tell(const char *message, const QString &app, const QList<Waiting> &waiting)
{
    basHelp::ShowNotice(QCoreApplication::translate("SettingsStore", message).arg(app, WhatWaits(waiting)));
}

// Tries the changes waiting again now and then, as long as there are any.
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
                    const Lock lock(app, 0);
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

// Tells the player what waits, once the step that made it wait is over: the four totals
// of a game's end in one message.
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

// Makes a change now, after any that wait. It waits for the lock up to ten seconds, unless
// others wait already and the game is not closing; if the lock does not come, the change
// waits too, or on closing the player is told what could not be saved.
void Save(const QString &app, const QString &what, Change change, When when)
{
    const Busy busy;
    const Lock lock(app, when == When::Closing || !IsWaiting(app) ? kLockWaitMs : 0);
    if (lock.held()) {
        MakeWaiting(app, lock);
        Apply(app, change, lock);
        return;
    }
    gWaiting.append({app, what, std::move(change)});
    if (when == When::Playing) {
        TellWhatWaits(app);
        TryAgainLater();
        return;
    }
    Tell(QT_TRANSLATE_NOOP("SettingsStore", "Another copy of %1 is still using the store: %2 could not be saved."), app,
         TakeWaiting(app));
}

} // namespace

QHash<QString, QString> ReadSection(const QString &app, const QString &section)
{
    return IniText::Document(StoreFile::ReadText(StoreFile::Path(app, ".conf")).value_or(QByteArray())).Section(section);
}

void WriteSection(const QString &app, const QString &section, const Values &values, const QString &what, When when)
{
    Save(app, what, [section, values](IniText::Document &document) {
        document.Set(section, values);
        return true;
    }, when);
}

void UpdateSection(const QString &app, const QString &section, const QString &what,
                   const std::function<std::optional<Values>(const QHash<QString, QString> &)> &change)
{
    Save(app, what, [section, change](IniText::Document &document) {
        const std::optional<Values> values = change(document.Section(section));
        if (values)
            document.Set(section, *values);
        return values.has_value();
    }, When::Playing);
}

void DeleteSection(const QString &app, const QString &section, const QString &what)
{
    Save(app, what, [section](IniText::Document &document) {
        document.Remove(section);
        return true;
    }, When::Playing);
}

} // namespace quoxa::SettingsStore
