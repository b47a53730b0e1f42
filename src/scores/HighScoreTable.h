#pragma once
// The high-score table in the settings store, without any window: the ten best game totals,
// read, ranked and written. Place n is stored as the keys "Name n" and "Score n".
#include "engine/Checked.h"
#include "platform/SettingsStore.h"

#include <QHash>
#include <QString>
#include <array>

namespace quoxa {

struct HighScoreEntry {
    QString strName; // empty: the place is not taken
    Int16 intScore;
};

namespace HighScoreTable {

inline const QString kSection = QStringLiteral("High Scores");
constexpr int kPlaces = 10;
// Who enters the table without a name: such a player still deserves the place.
inline const QString kNoName = QStringLiteral("(no name)");

using Places = std::array<HighScoreEntry, kPlaces>;

QString NameKey(int place);
QString ScoreKey(int place);

// The table from the stored section; a stored score that is not a 16-bit whole number is a
// run-time error (13 or 6).
Places FromStored(const QHash<QString, QString> &stored);
// The taken places as keys and values.
SettingsStore::Values ToStored(const Places &places);
// Lets a candidate climb past every lower total, staying below equal ones, in one pass from
// the bottom; true when it entered, pushing the tenth out. A table not in order (made by
// hand) is left as it was when the candidate does not enter it.
bool Rank(Places &places, HighScoreEntry candidate);
// Offers a total to the stored table: read, ranked and written in one step under the
// store's lock. True when it entered and the table was written; an error leaves the table
// as it was. A total that waits for another copy of the game is ranked when it is saved.
bool Offer(const HighScoreEntry &candidate, const QString &what);

} // namespace HighScoreTable
} // namespace quoxa
