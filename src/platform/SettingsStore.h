#pragma once
// The per-user settings store: application, section and key address a string. Read falls
// back to a default when the key is missing; a failed write is a run-time error.
#include <QHash>
#include <QList>
#include <QString>
#include <utility>

namespace quoxa::SettingsStore {

QString Read(const QString &app, const QString &section, const QString &key, const QString &def);
void Write(const QString &app, const QString &section, const QString &key, const QString &value);
// Every key of a section and its text, in one read.
QHash<QString, QString> ReadSection(const QString &app, const QString &section);
// Several keys of a section in one write.
void WriteSection(const QString &app, const QString &section, const QList<std::pair<QString, QString>> &values);
void DeleteSection(const QString &app, const QString &section);

} // namespace quoxa::SettingsStore
