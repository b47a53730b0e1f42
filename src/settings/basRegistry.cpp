#include "settings/basRegistry.h"
#include "engine/PlayerSheet.h"
#include "platform/ErrorTrap.h"
#include "platform/SettingsStore.h"
#include "settings/basMain.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace quoxa::basRegistry {
namespace {

constexpr int kMaxNameLength = 25;
constexpr qint32 kMaxColor = 16777215;

QString Read(const QString &key, const QString &def)
{
    return SettingsStore::Read(kAppTitle, kSection, key, def);
}

void Write(const QString &key, const QString &value)
{
    SettingsStore::Write(kAppTitle, kSection, key, value);
}

QString PlayerKey(int n)
{
    return QStringLiteral("Player ") + QString::number(n);
}

// A stored colour is kept when it is numeric, at most 8 characters long and, rounded half
// to even, at most 16777215 (no lower bound). Anything else, a number too large for 32
// bits included, takes the fallback.
qint32 ReadColor(const QString &key, qint32 def, qint32 fallback)
{
    const QString text = Read(key, QString::number(def));
    if (!IsNumeric(text) || text.size() > 8)
        return fallback;
    const double rounded = std::nearbyint(text.trimmed().toDouble());
    if (!(rounded <= kMaxColor) || rounded < std::numeric_limits<qint32>::min())
        return fallback;
    return static_cast<qint32>(rounded);
}

} // namespace

bool IsNumeric(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    return number.match(text).hasMatch();
}

void LoadSettings()
{
    Trap([] {
        QString count = Read(QStringLiteral("Player Count"), QStringLiteral("1"));
        static const QStringList counts{QStringLiteral("1"), QStringLiteral("2"),
                                        QStringLiteral("3"), QStringLiteral("4")};
        if (!counts.contains(count))
            count = QStringLiteral("1");
        gintPlayerCount = count.toInt();

        for (int n = 1; n <= PlayerTable::kUpperBound; ++n) {
            const QString key = PlayerKey(n);
            QString name = Read(key, key);
            if (name.isEmpty() || name.size() > kMaxNameLength)
                name = key;
            gudtPlayer(n).strName = name;
        }

        const QString sounds = Read(QStringLiteral("Sounds"), QStringLiteral("True"));
        gblnPlaySound = sounds != u"False";

        glngDieColor = ReadColor(QStringLiteral("Die Color"), 16711680, 12632256);
        glngPipColor = ReadColor(QStringLiteral("Pip Color"), 16777215, 0);
    });
}

void SaveSettings()
{
    Trap([] {
        Write(QStringLiteral("Player Count"), gintPlayerCount.toString());
        for (int n = 1; n <= PlayerTable::kUpperBound; ++n)
            Write(PlayerKey(n), gudtPlayer(n).strName);
        Write(QStringLiteral("Sounds"), gblnPlaySound ? QStringLiteral("True") : QStringLiteral("False"));
        Write(QStringLiteral("Die Color"), QString::number(glngDieColor));
        Write(QStringLiteral("Pip Color"), QString::number(glngPipColor));
        gudtPlayer.Clear();
    });
}

} // namespace quoxa::basRegistry
