#include "engine/GameRecord.h"
#include "engine/FairDice.h"

#include <QCoreApplication>
#include <algorithm>

namespace quoxa {
namespace {

// Whether the k-th throw's shares (counted from 0) hold and give its dice: one link a copy,
// each as many places before its copy's last link (or its commit) as throws have passed
// since (a copy that has left, or whose seats a computer plays meanwhile, reveals nothing);
// and the faces they make on the dice it threw.
bool SharesGive(const GameRecord::SharedDice &shared, std::size_t k, const GameRecord::Throw &thrown)
{
    if (k >= shared.reveals.size() || shared.reveals[k].size() != shared.commits.size())
        return false;
    for (std::size_t c = 0; c < shared.commits.size(); ++c) {
        const QByteArray &link = shared.reveals[k][c];
        std::size_t j = k;
        while (j > 0 && shared.reveals[j - 1][c].isEmpty())
            --j;
        if (!link.isEmpty() && !FairDice::Precedes(link, j == 0 ? shared.commits[c] : shared.reveals[j - 1][c], int(k - j) + 1))
            return false;
    }
    const DiceSet faces = FairDice::Faces(int(k) + 1, shared.reveals[k]);
    for (std::size_t i = 0, next = 0; i < thrown.dice.size(); ++i)
        if (!thrown.held[i] && thrown.dice[i] != faces[next++])
            return false;
    return true;
}

} // namespace

bool FiveAlike(const DiceSet &dice)
{
    return std::all_of(dice.begin(), dice.end(), [&](int face) { return face == dice[0]; });
}

bool GameRecord::Over() const
{
    return !players.empty() && turns.size() == players.size() * kCategoryCount && turns.back().scored;
}

QString GameRecord::Fault() const
{
    if (players.empty() || players.size() > 4)
        return QCoreApplication::translate("GameRecord", "it has %1 players").arg(players.size());
    for (const Player &player : players)
        if (player.computer && (player.level < 1 || player.level > 5))
            return QCoreApplication::translate("GameRecord", "%1 plays at level %2").arg(player.name).arg(player.level);
    if (turns.empty() || turns.size() > players.size() * kCategoryCount)
        return QCoreApplication::translate("GameRecord", "it has %1 turns").arg(turns.size());
    std::vector<PlayerSheet> sheets(players.size());
    const std::optional<SeededFaces> seeded = dice ? std::optional(dice->Faces()) : std::nullopt;
    std::size_t thrownInGame = 0;
    for (std::size_t t = 0; t < turns.size(); ++t) {
        const Turn &turn = turns[t];
        const int round = int(t / players.size()) + 1;
        const QString number = QString::number(t + 1);
        if (turn.throws.size() > 3 || (turn.scored && turn.throws.empty()))
            return QCoreApplication::translate("GameRecord", "turn %1 has %2 throws")
                .arg(number)
                .arg(turn.throws.size());
        for (std::size_t k = 0; k < turn.throws.size(); ++k) {
            const Throw &thrown = turn.throws[k];
            if (shared && !SharesGive(*shared, thrownInGame, thrown))
                return QCoreApplication::translate("GameRecord", "turn %1 throws dice that the players' shares do not give").arg(number);
            thrownInGame += 1;
            for (std::size_t i = 0; i < thrown.dice.size(); ++i) {
                const bool changed = k > 0 && thrown.dice[i] != turn.throws[k - 1].dice[i];
                if (thrown.dice[i] < 1 || thrown.dice[i] > 6 || (thrown.held[i] && (k == 0 || changed)))
                    return QCoreApplication::translate("GameRecord", "turn %1 throws a die it cannot").arg(number);
                if (seeded && !thrown.held[i] && thrown.dice[i] != DiceOrigin::Face(*seeded, round, int(k) + 1, int(i) + 1))
                    return QCoreApplication::translate("GameRecord", "turn %1 throws dice that %2 does not give").arg(number, dice->CodeText());
            }
        }
        if (!turn.scored) {
            if (t + 1 < turns.size())
                return QCoreApplication::translate("GameRecord", "turn %1 scores nothing").arg(number);
            continue;
        }
        PlayerSheet &sheet = sheets[static_cast<std::size_t>(PlayerOf(t) - 1)];
        const DiceSet &dice = turn.throws.back().dice;
        const QString caption = Caption(*turn.scored);
        if (!turn.scored->isCategory() || sheet.*turn.scored->field != PlayerSheet::kUnscored)
            return QCoreApplication::translate("GameRecord", "turn %1 scores %2 a second time").arg(number, caption);
        if (ScoreDice(sheet, *turn.scored, dice, FiveAlike(dice)).value() != turn.points)
            return QCoreApplication::translate("GameRecord", "turn %1 scores %2 in %3, which its dice do not make")
                .arg(number)
                .arg(turn.points)
                .arg(caption);
    }
    if (shared && shared->reveals.size() != thrownInGame) // a share for a throw never made
        return QCoreApplication::translate("GameRecord", "turn %1 throws dice that the players' shares do not give").arg(turns.size());
    return {};
}

std::vector<PlayerSheet> GameRecord::Sheets() const
{
    std::vector<PlayerSheet> sheets(players.size());
    for (std::size_t i = 0; i < players.size(); ++i)
        sheets[i].strName = players[i].name;
    for (std::size_t t = 0; t < turns.size(); ++t)
        if (const Turn &turn = turns[t]; turn.scored && !turn.throws.empty())
            ScoreDice(sheets[static_cast<std::size_t>(PlayerOf(t) - 1)], *turn.scored, turn.throws.back().dice,
                      FiveAlike(turn.throws.back().dice));
    return sheets;
}

} // namespace quoxa
