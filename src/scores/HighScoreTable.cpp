#include "scores/HighScoreTable.h"
#include "settings/basMain.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace quoxa::HighScoreTable {

QString NameKey(int place)
{
    return QStringLiteral("Name ") + QString::number(place);
}

QString ScoreKey(int place)
{
    return QStringLiteral("Score ") + QString::number(place);
}

Places FromStored(const QHash<QString, QString> &stored)
{
    Places places{};
    for (int n = 1; n <= kPlaces; ++n) {
        HighScoreEntry &entry = places[static_cast<std::size_t>(n - 1)];
        entry.strName = stored.value(NameKey(n));
        entry.intScore = Int16::Parse(stored.value(ScoreKey(n), QStringLiteral("0")));
    }
    return places;
}

bool Rank(Places &places, HighScoreEntry candidate)
{
    // The candidate below the tenth place, then one pass from the bottom up: it climbs past
    // every lower total and stays below equal ones.
    std::array<HighScoreEntry, kPlaces + 1> all{};
    std::copy(places.begin(), places.end(), all.begin());
    all[kPlaces] = std::move(candidate);
    std::size_t candidateAt = kPlaces;
    for (std::size_t j = kPlaces; j >= 1; --j) {
        if (all[j].intScore > all[j - 1].intScore) {
            std::swap(all[j], all[j - 1]);
            candidateAt -= candidateAt == j ? 1 : 0;
        }
    }
    if (candidateAt == kPlaces)
        return false;
    std::copy(all.begin(), all.begin() + kPlaces, places.begin());
    return true;
}

SettingsStore::Values ToStored(const Places &places)
{
    SettingsStore::Values values;
    for (int n = 1; n <= kPlaces; ++n) {
        const HighScoreEntry &entry = places[static_cast<std::size_t>(n - 1)];
        if (entry.strName.isEmpty())
            continue;
        values.append({NameKey(n), entry.strName});
        values.append({ScoreKey(n), entry.intScore.toString()});
    }
    return values;
}

bool Offer(const HighScoreEntry &candidate, const QString &what)
{
    // Kept by the change, which may be made after this returns.
    const auto entered = std::make_shared<bool>(false);
    SettingsStore::UpdateSection(kAppTitle, kSection, what, [candidate, entered](const QHash<QString, QString> &stored) {
        Places places = FromStored(stored);
        *entered = Rank(places, candidate);
        if (!*entered)
            return std::optional<SettingsStore::Values>();
        SettingsStore::Values values = ToStored(places);
        // A place left empty by a table with gaps (made by hand) is emptied in the store too,
        // so that no entry stands there twice.
        for (int n = 1; n <= kPlaces; ++n)
            if (places[static_cast<std::size_t>(n - 1)].strName.isEmpty() && !stored.value(NameKey(n)).isEmpty())
                values << std::pair(NameKey(n), QString()) << std::pair(ScoreKey(n), QStringLiteral("0"));
        return std::optional(values);
    });
    return *entered;
}

} // namespace quoxa::HighScoreTable
