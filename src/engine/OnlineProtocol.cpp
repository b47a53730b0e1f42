#include "engine/OnlineProtocol.h"
#include "engine/FairDice.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <array>

namespace quoxa {
namespace {

using Kind = OnlineCommand::Kind;

constexpr std::array<QStringView, 5> kLevelNames{u"Beginner", u"Casual", u"Club", u"Expert", u"Perfect"};
constexpr int kMaxSeats = 4;

struct Element {
    Kind kind;
    QStringView name;
};
constexpr std::array<Element, 13> kElements{{
    {Kind::Join, u"join"}, {Kind::Seats, u"seats"}, {Kind::Commit, u"commit"}, {Kind::Hold, u"hold"},
    {Kind::Throw, u"throw"}, {Kind::Score, u"score"}, {Kind::Undo, u"undo"}, {Kind::Continue, u"continue"},
    {Kind::Reveal, u"reveal"}, {Kind::Digest, u"digest"}, {Kind::Leave, u"leave"}, {Kind::Away, u"away"},
    {Kind::Back, u"back"}}};

// The forms an attribute's text takes.
enum class Form {
    Number, // decimal digits, no sign or leading zero, within the row's range
    Bytes,  // 32 bytes as 64 lowercase hex digits
    Name,   // at most 20 printable characters once trimmed, not none
    Level,  // a level's name
    Box,    // a category's label name
};

// Every attribute of every command, besides the game and the sequence number all carry.
struct Attribute {
    Kind kind;
    QStringView name;
    Form form;
    int OnlineCommand::*number = nullptr; // a Number's or a Level's field
    int least = 0, most = 0;              // a Number's range
};
constexpr int kMostThrows = OnlineCommand::kThrowsPerSeat * kMaxSeats;
constexpr std::array<Attribute, 11> kAttributes{{
    {Kind::Join, u"name", Form::Name},
    {Kind::Seats, u"chain", Form::Number, &OnlineCommand::chain, OnlineCommand::kThrowsPerSeat, kMostThrows},
    {Kind::Commit, u"link", Form::Bytes},
    {Kind::Hold, u"die", Form::Number, &OnlineCommand::die, 1, 5},
    {Kind::Hold, u"held", Form::Number, &OnlineCommand::held, 0, 1},
    {Kind::Score, u"box", Form::Box},
    {Kind::Reveal, u"k", Form::Number, &OnlineCommand::k, 1, kMostThrows},
    {Kind::Reveal, u"link", Form::Bytes},
    {Kind::Digest, u"turn", Form::Number, &OnlineCommand::turn, 1, kCategoryCount * kMaxSeats},
    {Kind::Digest, u"value", Form::Bytes},
    {Kind::Away, u"level", Form::Level, &OnlineCommand::level},
}};
// The seat of away and back, checked like any attribute.
constexpr Attribute kSeatAttribute{Kind::Away, u"seat", Form::Number, &OnlineCommand::seat, 1, kMaxSeats};

std::optional<int> NumberFrom(QStringView text, int least, int most)
{
    if (text.isEmpty() || text.size() > 9 || (text.size() > 1 && text[0] == u'0') ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const int value = text.toInt();
    return value >= least && value <= most ? std::optional(value) : std::nullopt;
}

std::optional<QByteArray> BytesFrom(QStringView text)
{
    const QByteArray hex = text.toLatin1();
    const QByteArray bytes = QByteArray::fromHex(hex);
    return text.size() == 2 * FairDice::kLinkBytes && bytes.toHex() == hex ? std::optional(bytes) : std::nullopt;
}

std::optional<QString> NameFrom(QStringView text)
{
    const QString name = text.trimmed().toString();
    const bool printable = std::all_of(name.begin(), name.end(), [](QChar c) { return c.isPrint() || c.isSurrogate(); });
    return !name.isEmpty() && printable && name.toUcs4().size() <= OnlineCommand::kMaxName ? std::optional(name) : std::nullopt;
}

bool IsBareJid(QStringView jid)
{
    return !jid.isEmpty() && jid.size() <= 1023 && !jid.contains(u'/') &&
           std::none_of(jid.begin(), jid.end(), [](QChar c) { return c.isSpace() || !c.isPrint(); });
}

// Reads one attribute into the command; false when its text is not of its form.
bool ReadAttribute(const Attribute &attribute, QStringView text, OnlineCommand &command)
{
    switch (attribute.form) {
    case Form::Number:
        if (const std::optional<int> value = NumberFrom(text, attribute.least, attribute.most))
            return command.*attribute.number = *value, true;
        return false;
    case Form::Bytes:
        if (const std::optional<QByteArray> bytes = BytesFrom(text))
            return command.link = *bytes, true;
        return false;
    case Form::Name:
        if (const std::optional<QString> name = NameFrom(text))
            return command.name = *name, true;
        return false;
    case Form::Level:
        return (command.*attribute.number = LevelFromName(text)) > 0;
    case Form::Box:
        command.box = FindSheetRow(text);
        return command.box && command.box->isCategory();
    }
    return false;
}

QString AttributeText(const Attribute &attribute, const OnlineCommand &command)
{
    switch (attribute.form) {
    case Form::Number:
        return QString::number(command.*attribute.number);
    case Form::Bytes:
        return QString::fromLatin1(command.link.toHex());
    case Form::Name:
        return command.name;
    case Form::Level:
        return LevelName(command.*attribute.number);
    case Form::Box:
        return command.box ? command.box->label.toString() : QString();
    }
    return {};
}

// The attributes of a command of this kind, its seat among them for away and back.
std::vector<Attribute> AttributesOf(Kind kind)
{
    std::vector<Attribute> attributes;
    if (kind == Kind::Away || kind == Kind::Back)
        attributes.push_back(kSeatAttribute);
    std::copy_if(kAttributes.begin(), kAttributes.end(), std::back_inserter(attributes),
                 [&](const Attribute &attribute) { return attribute.kind == kind; });
    return attributes;
}

std::optional<OnlineCommand::Seat> SeatFrom(const QXmlStreamAttributes &attributes)
{
    OnlineCommand::Seat seat{attributes.value(QLatin1StringView("jid")).toString(), {}, 0};
    const std::optional<QString> name = NameFrom(attributes.value(QLatin1StringView("name")));
    if (!IsBareJid(seat.jid) || !name)
        return std::nullopt;
    seat.name = *name;
    if (attributes.hasAttribute(QLatin1StringView("level")) && (seat.level = LevelFromName(attributes.value(QLatin1StringView("level")))) == 0)
        return std::nullopt;
    return seat;
}

// The command element's own part: its kind, the game, the sequence number and its attributes.
QString ReadElement(const QXmlStreamReader &xml, OnlineCommand &command)
{
    const auto element = std::find_if(kElements.begin(), kElements.end(), [&](const Element &e) { return e.name == xml.name(); });
    if (xml.namespaceUri() != QLatin1StringView(OnlineCommand::kNamespace) || element == kElements.end())
        return QStringLiteral("<%1> in \"%2\" is no command").arg(xml.name(), xml.namespaceUri());
    command.kind = element->kind;
    const QXmlStreamAttributes attributes = xml.attributes();
    command.game = attributes.value(QLatin1StringView("game")).toString();
    if (command.game.size() != 32 || !std::all_of(command.game.begin(), command.game.end(), [](QChar c) { return c.isDigit() || (c >= u'a' && c <= u'f'); }))
        return QStringLiteral("<%1> has no game id of 32 lowercase hex digits").arg(element->name);
    if (const std::optional<int> n = NumberFrom(attributes.value(QLatin1StringView("n")), 1, 999'999'999))
        command.n = *n;
    else
        return QStringLiteral("<%1> has no sequence number n from 1").arg(element->name);
    for (const Attribute &attribute : AttributesOf(command.kind))
        if (!ReadAttribute(attribute, attributes.value(attribute.name.toString()), command))
            return QStringLiteral("<%1>'s %2 is \"%3\"").arg(element->name, attribute.name, attributes.value(attribute.name.toString()));
    return {};
}

} // namespace

QString LevelName(int level)
{
    return level >= 1 && level <= int(kLevelNames.size()) ? kLevelNames[std::size_t(level - 1)].toString() : QString();
}

int LevelFromName(QStringView name)
{
    const auto found = std::find(kLevelNames.begin(), kLevelNames.end(), name);
    return found == kLevelNames.end() ? 0 : int(found - kLevelNames.begin()) + 1;
}

QByteArray OnlineCommand::Payload() const
{
    QByteArray payload;
    QXmlStreamWriter xml(&payload);
    const auto element = std::find_if(kElements.begin(), kElements.end(), [&](const Element &e) { return e.kind == kind; });
    xml.writeStartElement(element->name.toString());
    xml.writeDefaultNamespace(QString::fromLatin1(kNamespace));
    xml.writeAttribute(QStringLiteral("game"), game);
    xml.writeAttribute(QStringLiteral("n"), QString::number(n));
    for (const Attribute &attribute : AttributesOf(kind))
        xml.writeAttribute(attribute.name.toString(), AttributeText(attribute, *this));
    for (const Seat &seat : seats) {
        xml.writeEmptyElement(QStringLiteral("seat"));
        xml.writeAttribute(QStringLiteral("jid"), seat.jid);
        xml.writeAttribute(QStringLiteral("name"), seat.name);
        if (seat.level > 0)
            xml.writeAttribute(QStringLiteral("level"), LevelName(seat.level));
    }
    xml.writeEndElement();
    return payload;
}

OnlineReading OnlineCommand::Read(const QByteArray &payload)
{
    if (payload.size() > kMaxPayload)
        return {std::nullopt, QStringLiteral("a payload of %1 bytes, more than 16 KiB").arg(payload.size())};
    OnlineCommand command;
    QXmlStreamReader xml(payload);
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return {std::nullopt, QStringLiteral("a document type or an entity")};
        case QXmlStreamReader::StartElement:
            if (++depth == 1) {
                if (const QString fault = ReadElement(xml, command); !fault.isEmpty())
                    return {std::nullopt, fault};
            } else if (depth > 2 || command.kind != Kind::Seats || xml.name() != u"seat" ||
                       xml.namespaceUri() != QLatin1StringView(kNamespace) || command.seats.size() == kMaxSeats) {
                return {std::nullopt, QStringLiteral("<%1> inside the command").arg(xml.name())};
            } else if (const std::optional<Seat> seat = SeatFrom(xml.attributes())) {
                command.seats.push_back(*seat);
            } else {
                return {std::nullopt, QStringLiteral("a seat with no bare address, name or level")};
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
            if (!xml.isWhitespace())
                return {std::nullopt, QStringLiteral("text inside the command")};
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return {std::nullopt, QStringLiteral("not well-formed XML: %1").arg(xml.errorString())};
    if (command.kind == Kind::Seats && (command.seats.empty() || command.chain != kThrowsPerSeat * int(command.seats.size())))
        return {std::nullopt, QStringLiteral("<seats> whose chain is not 39 links a seat")};
    return {command, {}};
}

QByteArray DigestText(std::span<const PlayerSheet> sheets)
{
    QByteArray text("quoxa-digest\n");
    int seat = 0;
    for (const PlayerSheet &sheet : sheets) {
        QStringList values;
        for (const SheetRow *row : SheetCategories())
            values << ((sheet.*row->field).value() == PlayerSheet::kUnscored ? QStringLiteral("-") : (sheet.*row->field).toString());
        values << sheet.intBonus.toString() << sheet.intGameTotal.toString();
        text += QStringLiteral("seat %1: %2\n").arg(++seat).arg(values.join(u' ')).toUtf8();
    }
    return text;
}

QByteArray Digest(std::span<const PlayerSheet> sheets)
{
    return FairDice::Hash(DigestText(sheets));
}

} // namespace quoxa
