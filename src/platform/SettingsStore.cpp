#include "platform/SettingsStore.h"
#include "platform/ErrorTrap.h"

#include <QSettings>

namespace quoxa::SettingsStore {
namespace {

// A malformed line in a hand-edited file only costs that line (status FormatError); a file
// that cannot be written is a run-time error.
void Sync(QSettings &settings)
{
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        throw RunError::FileAccess(settings.fileName());
}

// On Linux: $XDG_CONFIG_HOME/<app>/<app>.conf, one group per section.
struct Section {
    Section(const QString &app, const QString &section) : settings(app, app)
    {
        settings.beginGroup(section);
    }
    void Commit() { Sync(settings); }
    QSettings settings;
};

// A hand-edited value that the store reads as a list or another type is not a text the
// game wrote: read it as empty, which every reader treats as unusable.
QString Text(const QVariant &value)
{
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

} // namespace

QString Read(const QString &app, const QString &section, const QString &key, const QString &def)
{
    Section s(app, section);
    const QVariant value = s.settings.value(key);
    return value.isValid() ? Text(value) : def;
}

void Write(const QString &app, const QString &section, const QString &key, const QString &value)
{
    WriteSection(app, section, {{key, value}});
}

QHash<QString, QString> ReadSection(const QString &app, const QString &section)
{
    Section s(app, section);
    QHash<QString, QString> values;
    for (const QString &key : s.settings.childKeys())
        values.insert(key, Text(s.settings.value(key)));
    return values;
}

void WriteSection(const QString &app, const QString &section, const QList<std::pair<QString, QString>> &values)
{
    Section s(app, section);
    for (const auto &[key, value] : values)
        s.settings.setValue(key, value);
    s.Commit();
}

void DeleteSection(const QString &app, const QString &section)
{
    QSettings settings(app, app);
    settings.remove(section);
    Sync(settings);
}

} // namespace quoxa::SettingsStore
