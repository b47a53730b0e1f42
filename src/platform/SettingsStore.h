#pragma once
// The per-user settings store: $XDG_CONFIG_HOME/<app>/<app>.conf, an INI file whose
// sections hold keys with plain string values. A store that is missing, or is anything but
// a regular file, reads as empty. Every change is one atomic write under the store's lock:
// a kill at any moment leaves the old file or the new one, two copies of the game never
// lose each other's changes, and a write that fails (a full disk included) leaves the old
// file as it was and is the run-time error 75. A write keeps every line it does not set, and
// the file's mode.
//
// When another copy of the game holds the lock, a change waits as every write does (see
// LockedWrites.h); `what` names the change for the player ("Ada's 254", "the settings").
#include "platform/IniText.h"
#include "platform/LockedWrites.h"

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

namespace quoxa::SettingsStore {

using Values = IniText::Values;

using LockedWrites::When;

// Every key of a section and its text.
QHash<QString, QString> ReadSection(const QString &app, const QString &section);
// Sets these keys of the section; the others stay.
void WriteSection(const QString &app, const QString &section, const Values &values, const QString &what,
                  When when = When::Playing);
// Reads the section and sets what `change` makes of it, both under the lock; nothing is
// written when it returns nothing (or raises an error). A change that has to wait is made
// later, from the section as it is then.
void UpdateSection(const QString &app, const QString &section, const QString &what,
                   const std::function<std::optional<Values>(const QHash<QString, QString> &)> &change);
void DeleteSection(const QString &app, const QString &section, const QString &what);

} // namespace quoxa::SettingsStore
