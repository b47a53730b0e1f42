#pragma once
// The text of the settings store: INI sections of keys and plain string values, escaped as
// the toolkit's own INI files escape them, so that stores written before keep working. No
// type syntax is interpreted: "@Variant(...)" or "a, b" are read as the text they are.
//
// The text is kept line by line as it stands. Only the lines of the keys the game sets are
// ever rewritten: comments, blank lines, other sections and keys, and lines that are none
// of these stay exactly as they were, in their places. Reading and changing it take time
// in proportion to its length.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <utility>

namespace quoxa::IniText {

using Values = QList<std::pair<QString, QString>>; // keys and values, in file order

class Document {
public:
    explicit Document(const QByteArray &text = {});
    QByteArray Text() const;

    // Every key of the section and its text. A key written twice reads as its last line.
    QHash<QString, QString> Section(const QString &name) const;
    // Sets each key to its value. An existing key's line is rewritten where it stands (and
    // left as it is when it says so already); a new key goes after the section's last key;
    // a new section goes at the end.
    void Set(const QString &section, const Values &values);
    // Takes away the section's header and all its keys; any other line under it stays.
    void Remove(const QString &section);

private:
    // Finds the sections and keys among the lines, once after each change of the lines.
    void Index();

    struct Place {
        QList<qsizetype> lines;        // its headers and keys, in order
        qsizetype last = -1;           // where a new key goes after
        QHash<QString, qsizetype> keys; // each key's line
    };
    QList<QByteArray> mLines;
    QHash<QString, Place> mSections;
};

} // namespace quoxa::IniText
