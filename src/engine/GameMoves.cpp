// The game's moves as advice and as a computer's play: the Hint's best move, a computer's
// move at its level and what it does in words, and who won.
#include "engine/Game.h"
#include "engine/MoveText.h"
#include "platform/ErrorTrap.h"
#include "platform/Messages.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace quoxa {

QString Ranking(std::span<const PlayerSheet> sheets)
{
    QStringList winners;
    Int16 best{-1};
    for (const PlayerSheet &sheet : sheets) {
        if (sheet.intGameTotal > best)
            winners.clear();
        if (sheet.intGameTotal >= best) {
            best = sheet.intGameTotal;
            winners << sheet.strName;
        }
    }
    const QString total = FormatGameTotal(best);
    QString ranking = winners.size() == 1
                          ? QCoreApplication::translate("Game", "%1 wins with %2.").arg(winners[0], total)
                          : QCoreApplication::translate("Game", "%1 share the win with %2.").arg(Messages::Listed(winners), total);
    // Then every place, best first; players with the same total share a place, and the next
    // place counts them all ("1. Ada 254", "1. Bea 254", "3. Cy 190"). Seats keep their order
    // within a place.
    std::vector<const PlayerSheet *> seats;
    for (const PlayerSheet &sheet : sheets)
        seats.push_back(&sheet);
    std::stable_sort(seats.begin(), seats.end(), [](auto *a, auto *b) { return a->intGameTotal > b->intGameTotal; });
    for (std::size_t i = 0, place = 1; i < seats.size(); ++i) {
        const PlayerSheet &sheet = *seats[i];
        if (i > 0 && sheet.intGameTotal != seats[i - 1]->intGameTotal)
            place = i + 1;
        ranking += u'\n' + QCoreApplication::translate("Game", "%1. %2 %3").arg(QString::number(place), sheet.strName,
                                                                                 FormatGameTotal(sheet.intGameTotal));
    }
    return ranking;
}

Game::Hint Game::BestMove(const Strategy &strategy) const
{
    return Trap([&] {
        const Position position = Position::Of(gudtPlayer(mTurn.mintPlayer.value()));
        if (mTurn.mstrState != u"Throw 0")
            return HintFor(strategy.Best(position, DiceFaces(), ThrowsMade()));
        Hint hint;
        hint.text = MoveText::Hint(nullptr, {}, ExpectedTotal(strategy.ExpectedRest(position)));
        return hint;
    });
}

Game::Hint Game::ComputerMove(const Strategy &strategy, int level)
{
    return Trap([&] {
        const std::vector<Strategy::Choice> moves =
            strategy.Moves(Position::Of(gudtPlayer(mTurn.mintPlayer.value())), DiceFaces(), ThrowsMade());
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
        const QString name = gudtPlayer(mTurn.mintPlayer.value()).strName;
        if (!move)
            return MoveText::Narration(name, nullptr, {});
        Strategy::Choice choice = move->move; // the box the move names, the dice it keeps
        const auto &boxes = SheetCategories();
        choice.category = move->category ? int(std::find(boxes.begin(), boxes.end(), move->category) - boxes.begin()) : -1;
        return MoveText::Narration(name, &choice, DiceValues());
    });
}

std::pair<const SheetRow *, int> Game::LastScored() const
{
    const std::size_t count = std::size_t(mPlayers.count.value());
    for (std::size_t turn = mRecord.turns.size(); turn-- > 0;)
        if (mRecord.turns[turn].scored)
            return {mRecord.turns[turn].scored, int(turn % count) + 1};
    return {nullptr, 0};
}

int Game::ScoreFor(const SheetRow &row) const
{
    return row.rule(DiceCounts::Of(DiceValues()));
}

Refusal Game::Play(const Hint &move)
{
    if (move.category)
        return RecordScore(move.category->label);
    for (int die = 1; die <= 5; ++die)
        if (const Refusal refused = Hold(die, move.keep.at(std::size_t(die - 1))); refused != Refusal::None)
            return refused;
    return Refusal::None;
}

int Game::ThrowsMade() const
{
    return 3 - mTurn.mintRolls.value();
}

Faces Game::DiceFaces() const
{
    quoxa::Faces faces{};
    for (int value : DiceValues())
        faces[value] += 1;
    return faces;
}

double Game::ExpectedTotal(double rest) const
{
    return gudtPlayer(mTurn.mintPlayer.value()).intGameTotal.value() + rest;
}

Game::Hint Game::HintFor(const Strategy::Choice &choice) const
{
    Hint hint;
    hint.move = choice;
    const DiceSet values = DiceValues();
    hint.text = MoveText::Hint(&choice, values, ExpectedTotal(choice.expectedRest));
    if (choice.category >= 0) {
        hint.category = SheetCategories()[choice.category];
        return hint;
    }
    hint.keep = KeptDice(choice.keep, values, mHeld);
    return hint;
}

} // namespace quoxa
