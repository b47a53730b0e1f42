// The game's moves as advice and as a computer's play: the Hint's best move, a computer's
// move at its level and what it does in words, and who won.
#include "engine/Game.h"
#include "platform/ErrorTrap.h"
#include "platform/basHelp.h"

#include <QCoreApplication>
#include <QLocale>
#include <numeric>

namespace quoxa {

QString Ranking(int playerCount)
{
    QStringList winners;
    Int16 best{-1};
    for (int p = 1; p <= playerCount; ++p) {
        const PlayerSheet &sheet = gudtPlayer(p);
        if (sheet.intGameTotal > best)
            winners.clear();
        if (sheet.intGameTotal >= best) {
            best = sheet.intGameTotal;
            winners << sheet.strName;
        }
    }
    const QString total = FormatGameTotal(best);
    return winners.size() == 1 ? QCoreApplication::translate("Game", "%1 wins with %2.").arg(winners[0], total)
                               : QCoreApplication::translate("Game", "%1 share the win with %2.").arg(basHelp::Listed(winners), total);
}

Game::Hint Game::BestMove(const Strategy &strategy) const
{
    return Trap([&] {
        const Position position = Position::Of(gudtPlayer(mintPlayer.value()));
        if (mstrState != u"Throw 0")
            return HintFor(strategy.Best(position, DiceFaces(), ThrowsMade()));
        Hint hint;
        hint.text = HintLine(QCoreApplication::translate("Game", "Hint: throw the dice. Expected final total: %1"),
                             strategy.ExpectedRest(position));
        return hint;
    });
}

Game::Hint Game::ComputerMove(const Strategy &strategy, int level)
{
    return Trap([&] {
        const std::vector<Strategy::Choice> moves =
            strategy.Moves(Position::Of(gudtPlayer(mintPlayer.value())), DiceFaces(), ThrowsMade());
        const std::vector<double> weights = Strategy::Weights(moves, level);
        double draw = mRandom.Next() * std::accumulate(weights.begin(), weights.end(), 0.0);
        std::size_t chosen = 0;
        while (chosen + 1 < moves.size() && (draw -= weights[chosen]) >= 0)
            ++chosen;
        return HintFor(moves[chosen]);
    });
}

QString Game::Narration(const Hint *move) const
{
    return Trap([&] {
        const QString name = gudtPlayer(mintPlayer.value()).strName;
        if (!move)
            return QCoreApplication::translate("Game", "%1 throws the dice.").arg(name);
        if (move->category) {
            const int points = ScoreFor(*move->category);
            return QCoreApplication::translate("Game", "%1 scores %2 in %3.")
                .arg(name, QString::number(points), Caption(*move->category));
        }
        const QString kept = FacesText(move->move.keep);
        return kept.isEmpty() ? QCoreApplication::translate("Game", "%1 throws all five again.").arg(name)
                              : QCoreApplication::translate("Game", "%1 keeps %2 and throws again.").arg(name, kept);
    });
}

int Game::LastScorer() const
{
    if (!mlblLastScored)
        return 0;
    const int count = mPlayers.count.value(), now = mintPlayer.value();
    const bool passedOn = mstrState.startsWith(u"Throw");
    const int player = passedOn ? (now == 1 ? count : now - 1) : now;
    return gudtPlayer(player).*mlblLastScored->field == PlayerSheet::kUnscored ? 0 : player;
}

int Game::ScoreFor(const SheetRow &row) const
{
    return row.rule(DiceCounts::Of(DiceValues()));
}

int Game::ThrowsMade() const
{
    return 3 - mintRolls.value();
}

Faces Game::DiceFaces() const
{
    quoxa::Faces faces{};
    for (int value : DiceValues())
        faces[value] += 1;
    return faces;
}

QString FacesText(const Faces &faces)
{
    QStringList texts;
    for (int face = 1; face <= 6; ++face)
        for (int n = 0; n < faces[face]; ++n)
            texts << QString::number(face);
    return texts.join(u' ');
}

QString Game::HintLine(const QString &line, double rest) const
{
    const double total = gudtPlayer(mintPlayer.value()).intGameTotal.value() + rest;
    return line.arg(QLocale().toString(total, 'f', 2));
}

Game::Hint Game::HintFor(const Strategy::Choice &choice) const
{
    Hint hint;
    hint.move = choice;
    if (choice.category >= 0) { // what it scores, and plainly when it is a sacrifice
        hint.category = SheetCategories()[choice.category];
        const QString caption = Caption(*hint.category);
        const int points = ScoreFor(*hint.category);
        hint.text = HintLine(points ? QCoreApplication::translate("Game", "Hint: score %1 for %2. Expected final total: %3")
                                          .arg(caption, QString::number(points))
                                    : QCoreApplication::translate("Game", "Hint: score 0 in %1 (it costs the least). "
                                                                          "Expected final total: %2")
                                          .arg(caption),
                             choice.expectedRest);
        return hint;
    }
    // The dice to keep: those held already first, then from the left.
    const std::array<int, 5> values = DiceValues();
    quoxa::Faces left = choice.keep;
    for (bool held : {true, false})
        for (int die = 1; die <= 5; ++die)
            if (mBoard.IsHeld(die) == held && left[values[die - 1]] > 0) {
                left[values[die - 1]] -= 1;
                hint.keep[die - 1] = true;
            }
    const QString kept = FacesText(choice.keep);
    hint.text = HintLine(kept.isEmpty() ? QCoreApplication::translate("Game", "Hint: throw all five again. Expected final total: %1")
                                        : QCoreApplication::translate("Game", "Hint: keep %1 and throw again. Expected final total: %2")
                                              .arg(kept),
                         choice.expectedRest);
    return hint;
}

} // namespace quoxa
