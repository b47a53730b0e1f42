#include "platform/IniText.h"

#include <algorithm>

namespace quoxa::IniText {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// Section and key names: letters, digits, '_', '-' and '.' as they are, '/' as '\', every
// other character as %XX (or %UXXXX beyond Latin-1).
QByteArray EscapeName(const QString &name)
{
    QByteArray out;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'/') {
            out += '\\';
        } else if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_' ||
                   u == u'-' || u == u'.') {
            out += static_cast<char>(u);
        } else if (u <= 0xFF) {
            out += '%';
            out += kHex[u / 16];
            out += kHex[u % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(u >> shift) & 0xF];
        }
    }
    return out;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The number the hex digits raw[from, from + count) spell, or -1.
int HexNumber(QByteArrayView raw, qsizetype from, qsizetype count)
{
    if (from + count > raw.size())
        return -1;
    int code = 0;
    for (qsizetype d = from; d < from + count; ++d) {
        if (HexValue(raw[d]) < 0)
            return -1;
        code = code * 16 + HexValue(raw[d]);
    }
    return code;
}

QString UnescapeName(QByteArrayView raw)
{
    QString out;
    out.reserve(raw.size()); // a name is never longer than its escaped form
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const bool wide = raw[i] == '%' && i + 1 < raw.size() && raw[i + 1] == 'U';
        const qsizetype from = i + (wide ? 2 : 1), count = wide ? 4 : 2;
        const int code = raw[i] == '%' ? HexNumber(raw, from, count) : -1;
        if (code >= 0) {
            out += QChar(static_cast<char16_t>(code));
            i = from + count - 1;
        } else {
            out += raw[i] == '\\' ? QChar(u'/') : QChar::fromLatin1(raw[i]);
        }
    }
    return out;
}

// A value: backslash escapes for '\', '"', control characters and any half of a UTF-16 pair
// standing alone, quotes around it when it holds ';', ',' or '=' or begins or ends with a
// blank, and a leading '@' doubled. Every other character, one beyond the Basic Multilingual
// Plane included, is written as UTF-8.
QByteArray EscapeValue(const QString &value)
{
    QByteArray out = value.startsWith(u'@') ? QByteArray("@") : QByteArray();
    bool quotes = false, escapedHex = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t u = value[i].unicode();
        quotes = quotes || u == u';' || u == u',' || u == u'=';
        if (escapedHex && HexValue(static_cast<char>(u < 0x80 ? u : 0)) >= 0) { // keep it apart from the escape
            out += "\\x" + QByteArray::number(u, 16);
            continue;
        }
        escapedHex = false;
        static constexpr std::pair<char16_t, const char *> kEscapes[] = {
            {u'\a', "\\a"}, {u'\b', "\\b"}, {u'\f', "\\f"}, {u'\n', "\\n"}, {u'\r', "\\r"},
            {u'\t', "\\t"}, {u'\v', "\\v"}, {u'"', "\\\""}, {u'\\', "\\\\"}};
        const auto named = std::find_if(std::begin(kEscapes), std::end(kEscapes), [&](const auto &e) { return e.first == u; });
        const qsizetype length = QChar::isHighSurrogate(u) && i + 1 < value.size() && value[i + 1].isLowSurrogate() ? 2 : 1;
        if (named != std::end(kEscapes)) {
            out += named->second;
        } else if (u < 0x20 || u == 0x7F || (length == 1 && QChar::isSurrogate(u))) {
            out += "\\x" + QByteArray::number(u, 16);
            escapedHex = true;
        } else {
            out += QStringView(value).sliced(i, length).toUtf8();
            i += length - 1;
        }
    }
    if (quotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

QString UnescapeValue(QByteArrayView raw)
{
    QString out;
    QByteArray plain; // bytes waiting to be read as UTF-8
    const auto flush = [&] {
        out += QString::fromUtf8(QByteArrayView(plain)); // all of it: a NUL is a character too
        plain.clear();
    };
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"')
            continue; // quotes only group; the text between them is the text
        if (c != '\\' || i + 1 == raw.size()) {
            plain += c;
            continue;
        }
        flush();
        const char e = raw[++i];
        static constexpr std::pair<char, char16_t> kNamed[] = {{'a', u'\a'}, {'b', u'\b'}, {'f', u'\f'}, {'n', u'\n'},
                                                                {'r', u'\r'}, {'t', u'\t'}, {'v', u'\v'}};
        const auto named = std::find_if(std::begin(kNamed), std::end(kNamed), [&](const auto &n) { return n.first == e; });
        if (named != std::end(kNamed)) {
            out += QChar(named->second);
        } else if (e == 'x' || (e >= '0' && e <= '7')) { // hexadecimal, or octal
            const int base = e == 'x' ? 16 : 8;
            char32_t code = e == 'x' ? 0 : static_cast<char32_t>(e - '0');
            for (int digit; i + 1 < raw.size() && (digit = HexValue(raw[i + 1])) >= 0 && digit < base &&
                            code * base + static_cast<char32_t>(digit) <= 0xFFFF;
                 ++i)
                code = code * base + static_cast<char32_t>(digit);
            out += QChar(static_cast<char16_t>(code));
        } else {
            out += QChar::fromLatin1(e); // '\\', '"', '\'' and anything else stand for themselves
        }
    }
    flush();
    // The toolkit writes a text with a leading '@' with it doubled, and one holding a NUL
    // as @String(text); every other '@' is the text itself.
    if (out.startsWith(QStringLiteral("@String(")) && out.endsWith(u')'))
        return out.mid(8, out.size() - 9);
    return out.startsWith(QStringLiteral("@@")) ? out.mid(1) : out;
}

// A line with its blanks trimmed, and what it is.
struct Line {
    enum class Kind { Other, Header, BrokenHeader, Key } kind = Kind::Other;
    QString name; // the section's or the key's
    QByteArrayView value; // a key's value as written
};

Line Read(QByteArrayView text)
{
    text = text.trimmed();
    if (text.isEmpty() || text.front() == ';' || text.front() == '#')
        return {};
    if (text.front() == '[') {
        const qsizetype end = text.indexOf(']');
        if (end < 0)
            return {Line::Kind::BrokenHeader, {}, {}};
        return {Line::Kind::Header, UnescapeName(text.sliced(1, end - 1)), {}};
    }
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return {};
    return {Line::Kind::Key, UnescapeName(text.first(equals).trimmed()), text.sliced(equals + 1).trimmed()};
}

QByteArray KeyLine(const QString &key, const QString &value)
{
    return EscapeName(key) + '=' + EscapeValue(value);
}

} // namespace

Document::Document(const QByteArray &text)
{
    mLines = text.split('\n');
    if (text.isEmpty() || text.endsWith('\n'))
        mLines.removeLast(); // what follows the last line's end is no line
    Index();
}

QByteArray Document::Text() const
{
    QByteArray text;
    qsizetype size = 0;
    for (const QByteArray &line : mLines)
        size += line.size() + 1;
    text.reserve(size);
    for (const QByteArray &line : mLines) {
        text += line;
        text += '\n';
    }
    return text;
}

void Document::Index()
{
    mSections.clear();
    Place *section = nullptr; // none before the first header, nor after "[name" without its bracket
    for (qsizetype at = 0; at < mLines.size(); ++at) {
        const Line line = Read(mLines[at]);
        if (line.kind == Line::Kind::BrokenHeader) {
            section = nullptr;
            continue;
        }
        if (line.kind == Line::Kind::Header) {
            section = &mSections[line.name];
        } else if (line.kind != Line::Kind::Key || !section) {
            continue;
        } else {
            section->keys.insert(line.name, at);
        }
        section->lines.append(at);
        section->last = at;
    }
}

QHash<QString, QString> Document::Section(const QString &name) const
{
    QHash<QString, QString> values;
    const auto found = mSections.constFind(name);
    if (found != mSections.cend())
        for (auto key = found->keys.cbegin(); key != found->keys.cend(); ++key)
            values.insert(key.key(), UnescapeValue(Read(mLines[key.value()]).value));
    return values;
}

void Document::Set(const QString &section, const Values &values)
{
    const auto found = mSections.constFind(section);
    QList<QByteArray> added;
    if (found == mSections.cend() && !mLines.isEmpty() && !mLines.last().trimmed().isEmpty())
        added.append(QByteArray()); // a blank line between sections
    if (found == mSections.cend())
        added.append('[' + EscapeName(section) + ']');
    for (const auto &[key, value] : values) {
        const qsizetype at = found == mSections.cend() ? -1 : found->keys.value(key, -1);
        if (at < 0)
            added.append(KeyLine(key, value));
        else if (UnescapeValue(Read(mLines[at]).value) != value)
            mLines[at] = KeyLine(key, value);
    }
    if (added.isEmpty())
        return;
    // All new lines in one splice: the lines are copied once, however many there are.
    const qsizetype after = found == mSections.cend() ? mLines.size() : found->last + 1;
    mLines = mLines.first(after) + added + mLines.sliced(after);
    Index();
}

void Document::Remove(const QString &section)
{
    const auto found = mSections.constFind(section);
    if (found == mSections.cend())
        return;
    QList<QByteArray> kept;
    kept.reserve(mLines.size());
    auto gone = found->lines.cbegin(); // in line order
    for (qsizetype at = 0; at < mLines.size(); ++at) {
        if (gone != found->lines.cend() && *gone == at)
            ++gone;
        else
            kept.append(mLines[at]);
    }
    mLines = std::move(kept);
    Index();
}

} // namespace quoxa::IniText
