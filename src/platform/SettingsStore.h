#pragma once
// The per-user settings store: application, section and key address a string. Read falls
// back to a default when the key is missing; a failed write is a run-time error.
#include <QString>

namespace quoxa::SettingsStore {

QString Read(const QString &app, const QString &section, const QString &key, const QString &def);
void Write(const QString &app, const QString &section, const QString &key, const QString &value);
void DeleteSection(const QString &app, const QString &section);

} // namespace quoxa::SettingsStore
