#include "settings/basRegistry.h"
#include "engine/PlayerSheet.h"
#include "platform/ErrorTrap.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "settings/basMain.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace quoxa::basRegistry {
namespace {

constexpr int kMaxNameLength = 25;
constexpr qint32 kMaxColor = 16777215;

// A stored colour is kept when it is numeric, at most 8 characters long and, rounded half
// to even, at most 16777215 (no lower bound). Anything else, a number too large for 32
// bits included, fails.
std::optional<qint32> ColorOf(const QString &text)
{
    if (!IsNumeric(text) || text.size() > 8)
        return std::nullopt;
    const double rounded = std::nearbyint(text.trimmed().toDouble());
    if (!(rounded <= kMaxColor) || rounded < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return static_cast<qint32>(rounded);
}

bool IsCount(const QString &text)
{
    return text.size() == 1 && text[0] >= u'1' && text[0] <= u'4';
}

bool IsName(const QString &text)
{
    return !text.isEmpty() && text.size() <= kMaxNameLength;
}

bool IsColor(const QString &text)
{
    return ColorOf(text).has_value();
}

bool AnyText(const QString &)
{
    return true;
}

constexpr int kMaxComputerDelay = 5000;

// Milliseconds as decimal digits alone, 0 to 5000.
bool IsDelay(const QString &text)
{
    bool ok = false;
    const int ms = text.toInt(&ok);
    return ok && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }) && ms <= kMaxComputerDelay;
}

// One setting: its key, default and fallback as stored text, the check a stored text
// must pass, and how the text reaches its global and back.
struct Setting {
    QStringView key;
    QStringView def;
    QStringView fallback;
    bool (*valid)(const QString &);
    void (*load)(const QString &);
    QString (*save)();
};

template <int N>
constexpr Setting Computer()
{
    // Anything but "True" is False.
    constexpr std::array<QStringView, 4> keys{u"Computer 1", u"Computer 2", u"Computer 3", u"Computer 4"};
    return {keys[N - 1], u"False", u"False", AnyText, [](const QString &text) { gblnComputer[N - 1] = text == u"True"; },
            [] { return gblnComputer[N - 1] ? QStringLiteral("True") : QStringLiteral("False"); }};
}

// A level is one digit, "1" to "5".
bool IsLevel(const QString &text)
{
    return text.size() == 1 && text[0] >= u'1' && text[0] <= u'5';
}

template <int N>
constexpr Setting Level()
{
    constexpr std::array<QStringView, 4> keys{u"Computer Level 1", u"Computer Level 2", u"Computer Level 3",
                                              u"Computer Level 4"};
    return {keys[N - 1], u"3", u"3", IsLevel, [](const QString &text) { gintComputerLevel[N - 1] = text.toInt(); },
            [] { return QString::number(gintComputerLevel[N - 1]); }};
}

// A player's default name is stored as "Player 3" and shown in the player's language.
constexpr std::array<QStringView, 4> kPlayerKeys{u"Player 1", u"Player 2", u"Player 3", u"Player 4"};

template <int N>
constexpr Setting Player()
{
    constexpr QStringView key = kPlayerKeys[N - 1];
    return {key, key, key, IsName, [](const QString &text) { gstrPlayerName[N - 1] = text == kPlayerKeys[N - 1] ? DefaultName(N) : text; },
            [] { return gstrPlayerName[N - 1] == DefaultName(N) ? kPlayerKeys[N - 1].toString() : gstrPlayerName[N - 1]; }};
}

// A zoom is one of the View menu's steps, in percent; anything else is none chosen, stored
// as nothing.
bool IsZoom(const QString &text)
{
    return text.isEmpty() || std::find(kZoomSteps.begin(), kZoomSteps.end(), text.toInt()) != kZoomSteps.end();
}

const std::array<Setting, 18> kSettings{{
    {u"Player Count", u"1", u"1", IsCount, [](const QString &text) { gintPlayerCount = text.toInt(); },
     [] { return gintPlayerCount.toString(); }},
    Player<1>(),
    Player<2>(),
    Player<3>(),
    Player<4>(),
    // Anything but "False" is True.
    {u"Sounds", u"True", u"True", AnyText, [](const QString &text) { gblnPlaySound = text != u"False"; },
     [] { return gblnPlaySound ? QStringLiteral("True") : QStringLiteral("False"); }},
    {u"Die Color", u"16711680", u"12632256", IsColor, [](const QString &text) { glngDieColor = *ColorOf(text); },
     [] { return QString::number(glngDieColor); }},
    {u"Pip Color", u"16777215", u"0", IsColor, [](const QString &text) { glngPipColor = *ColorOf(text); },
     [] { return QString::number(glngPipColor); }},
    Computer<1>(),
    Computer<2>(),
    Computer<3>(),
    Computer<4>(),
    Level<1>(),
    Level<2>(),
    Level<3>(),
    Level<4>(),
    {u"Computer Delay", u"500", u"500", IsDelay, [](const QString &text) { gintComputerDelay = text.toInt(); },
     [] { return gintComputerDelay.toString(); }},
    {u"Zoom", u"", u"", IsZoom, [](const QString &text) { gintZoom = text.toInt(); },
     [] { return gintZoom ? QString::number(gintZoom) : QString(); }},
}};

} // namespace

bool IsNumeric(const QString &text)
{
    // Blanks, a sign, digits with at most one point among them, an exponent, blanks.
    const auto blank = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    qsizetype at = 0, end = text.size();
    while (at < end && blank(text[at]))
        ++at;
    while (end > at && blank(text[end - 1]))
        --end;
    const auto sign = [&] { at += at < end && (text[at] == u'+' || text[at] == u'-'); };
    const auto digits = [&] {
        const qsizetype from = at;
        while (at < end && text[at] >= u'0' && text[at] <= u'9')
            ++at;
        return at - from;
    };
    sign();
    qsizetype mantissa = digits();
    if (at < end && text[at] == u'.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (at < end && (text[at] == u'e' || text[at] == u'E')) {
        ++at;
        sign();
        if (digits() == 0)
            return false;
    }
    return at == end;
}

QString DefaultName(int player)
{
    return QCoreApplication::translate("basRegistry", "Player %1").arg(player);
}

QString DefaultOf(QStringView key)
{
    for (const Setting &setting : kSettings)
        if (setting.key == key)
            return setting.def.toString();
    throw RunError::SubscriptOutOfRange();
}

void LoadSettings()
{
    Trap([] {
        // The whole section in one read of the store.
        const QHash<QString, QString> stored = SettingsStore::ReadSection(kAppTitle, kSection);
        for (const Setting &setting : kSettings) {
            const QString text = stored.value(setting.key.toString(), setting.def.toString());
            setting.load(setting.valid(text) ? text : setting.fallback.toString());
        }
    });
}

void SaveSettings()
{
    Trap([] {
        QList<std::pair<QString, QString>> values;
        for (const Setting &setting : kSettings)
            values.append({setting.key.toString(), setting.save()});
        // The game's last save: it waits for another copy of the game as long as a save may.
        SettingsStore::WriteSection(kAppTitle, kSection, values, QCoreApplication::translate("basRegistry", "the settings"),
                                    SettingsStore::When::Closing);
        gstrPlayerName = {};
    });
}

} // namespace quoxa::basRegistry
