#pragma once
// The text of the settings store: INI sections of keys and plain string values, escaped as
// the toolkit's own INI files escape them, so that stores written before keep working. No
// type syntax is interpreted: "@Variant(...)" or "a, b" are read as the text they are.
#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace quoxa::IniText {

using Values = QList<std::pair<QString, QString>>; // keys and values, in file order

struct Section {
    QString name;
    Values values;
};
using Document = QList<Section>;

// Reads a store's text. A line that is neither a [section] nor key=value costs only itself.
Document Parse(const QByteArray &text);
QByteArray Serialize(const Document &document);

// The section of that name, or null; or a new empty one at the end.
const Section *Find(const Document &document, const QString &name);
Section &Ensure(Document &document, const QString &name);

// Sets each key to its value: an existing key keeps its place, a new one goes last.
void Set(Section &section, const Values &values);

} // namespace quoxa::IniText
