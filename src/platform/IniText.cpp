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

// A value: backslash escapes for '\', '"' and control characters, quotes around it when it
// holds ';', ',' or '=' or begins or ends with a blank, and a leading '@' doubled.
QByteArray EscapeValue(const QString &value)
{
    QByteArray out = value.startsWith(u'@') ? QByteArray("@") : QByteArray();
    bool quotes = false, escapedHex = false;
    for (QChar c : value) {
        const char16_t u = c.unicode();
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
        if (named != std::end(kEscapes)) {
            out += named->second;
        } else if (u < 0x20 || u == 0x7F) {
            out += "\\x" + QByteArray::number(u, 16);
            escapedHex = true;
        } else {
            out += QString(c).toUtf8();
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

} // namespace

Document Parse(const QByteArray &text)
{
    Document document;
    Section *section = nullptr;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const qsizetype end = line.indexOf(']');
            section = end > 0 ? &Ensure(document, UnescapeName(line.mid(1, end - 1))) : nullptr;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!section || equals <= 0)
            continue;
        Set(*section, {{UnescapeName(line.left(equals).trimmed()), UnescapeValue(line.mid(equals + 1).trimmed())}});
    }
    return document;
}

QByteArray Serialize(const Document &document)
{
    QByteArray out;
    for (const Section &section : document) {
        if (!out.isEmpty())
            out += '\n';
        out += '[' + EscapeName(section.name) + "]\n";
        for (const auto &[key, value] : section.values)
            out += EscapeName(key) + '=' + EscapeValue(value) + '\n';
    }
    return out;
}

const Section *Find(const Document &document, const QString &name)
{
    const auto it = std::find_if(document.begin(), document.end(), [&](const Section &s) { return s.name == name; });
    return it == document.end() ? nullptr : &*it;
}

Section &Ensure(Document &document, const QString &name)
{
    if (const Section *found = Find(document, name))
        return const_cast<Section &>(*found);
    document.append({name, {}});
    return document.last();
}

void Set(Section &section, const Values &values)
{
    for (const auto &[key, value] : values) {
        const auto it = std::find_if(section.values.begin(), section.values.end(), [&](const auto &kv) { return kv.first == key; });
        if (it == section.values.end())
            section.values.append({key, value});
        else
            it->second = value;
    }
}

} // namespace quoxa::IniText
