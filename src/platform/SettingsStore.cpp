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

} // namespace

QString Read(const QString &app, const QString &section, const QString &key, const QString &def)
{
    Section s(app, section);
    const QVariant value = s.settings.value(key);
    if (!value.isValid())
        return def;
    // A hand-edited value that the store reads as a list or another type is not a text
    // the game wrote: read it as empty, which every reader treats as unusable.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void Write(const QString &app, const QString &section, const QString &key, const QString &value)
{
    Section s(app, section);
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
