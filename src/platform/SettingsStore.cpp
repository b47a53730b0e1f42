#include "platform/SettingsStore.h"
#include "platform/ErrorTrap.h"
#include "platform/StoreFile.h"

namespace quoxa::SettingsStore {
namespace {

using Change = std::function<bool(IniText::Document &)>;

// Reads the store, changes it and writes it back, under the lock of every write: a change
// that has to wait is made later, from the store as it is then.
void Save(const QString &app, const QString &what, Change change, When when)
{
    const LockedWrites::Write write = [app, change = std::move(change)](const StoreFile::Lock &lock) {
        const QString path = StoreFile::Path(app, ".conf");
        const std::optional<QByteArray> text = StoreFile::ReadText(path);
        if (!text) // what cannot be read is never written over
            throw RunError::FileAccess(path);
        IniText::Document document(*text);
        if (change(document))
            StoreFile::WriteText(path, document.Text(), lock);
    };
    LockedWrites::Make(app, what, write, when);
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
