#include "engine/GameReview.h"
#include "engine/Game.h"

#include <QCoreApplication>
#include <algorithm>
#include <future>

namespace quoxa {
namespace {

Faces FacesOf(const DiceSet &dice, const HeldSet &only = {true, true, true, true, true})
{
    Faces faces{};
    for (std::size_t i = 0; i < dice.size(); ++i)
        faces[dice[i]] += only[i] ? 1 : 0;
    return faces;
}

struct PlayerPart {
    PlayerReview review;
    std::vector<ReviewDecision> decisions;
};

// One player's turns, from the start of the game.
PlayerPart ReviewPlayer(const GameRecord &record, const Strategy &strategy, int player)
{
    PlayerPart part;
    PlayerReview &review = part.review;
    review.name = record.players.at(std::size_t(player - 1)).name;
    review.start = strategy.ExpectedRest(Position{});
    review.values << QPointF(0, review.start);
    PlayerSheet sheet;
    double now = review.start;
    const auto count = record.players.size();
    for (std::size_t t = std::size_t(player - 1); t < record.turns.size(); t += count) {
        const GameRecord::Turn &turn = record.turns[t];
        const Position position = Position::Of(sheet);
        const double total = sheet.intGameTotal.value();
        const int round = int(t / count) + 1;
        for (std::size_t k = 0; k < turn.throws.size(); ++k) {
            const DiceSet &dice = turn.throws[k].dice;
            const Faces faces = FacesOf(dice);
            const std::vector<Strategy::Choice> moves = strategy.Moves(position, faces, int(k) + 1);
            ReviewDecision d{int(t * 3 + k), round, player, int(k) + 1, dice, {}, {}, now, 0, 0};
            d.best = *std::max_element(moves.begin(), moves.end(),
                                       [](const auto &a, const auto &b) { return a.expectedRest < b.expectedRest; });
            d.after = total + d.best.expectedRest;
            review.luck += d.Luck();
            now = d.after;
            const bool last = k + 1 == turn.throws.size();
            if (last && !turn.scored)
                break; // not decided yet
            // The move played: the dice held at the next throw, or the score.
            const Faces kept = last ? Faces{} : FacesOf(dice, turn.throws[k + 1].held);
            const int category = last ? int(std::find(SheetCategories().begin(), SheetCategories().end(), turn.scored) -
                                             SheetCategories().begin())
                                      : -1;
            const auto played = std::find_if(moves.begin(), moves.end(), [&](const Strategy::Choice &move) {
                return move.category == category && (category >= 0 || move.keep == kept);
            });
            // All five held: the next throw changes nothing, as if it were the last.
            d.played = played != moves.end() ? *played : Strategy::Choice{-1, kept, strategy.Best(position, faces, int(k) + 2).expectedRest};
            d.value = total + d.played.expectedRest;
            review.lost += d.Lost();
            review.slips[std::size_t(SlipOf(d.Lost()))] += 1;
            now = d.value;
            review.values << QPointF(round - 1 + (last ? 1.0 : (int(k) + 1) / 3.0), now);
            part.decisions.push_back(d);
        }
        if (turn.scored)
            ScoreDice(sheet, *turn.scored, turn.throws.back().dice, FiveAlike(turn.throws.back().dice));
    }
    review.total = sheet.intGameTotal.value();
    return part;
}

} // namespace

Slip SlipOf(double lost)
{
    return lost >= 8 ? Slip::Blunder : lost >= 3 ? Slip::Mistake : lost >= 1 ? Slip::Inaccuracy : Slip::None;
}

GameReview Review(const GameRecord &record, const Strategy &strategy)
{
    std::vector<std::future<PlayerPart>> parts;
    for (int p = 1; p <= record.PlayerCount(); ++p)
        parts.push_back(std::async(std::launch::async, ReviewPlayer, std::cref(record), std::cref(strategy), p));
    GameReview review;
    for (auto &part : parts) {
        PlayerPart done = part.get();
        review.players.push_back(std::move(done.review));
        review.decisions.insert(review.decisions.end(), done.decisions.begin(), done.decisions.end());
    }
    std::sort(review.decisions.begin(), review.decisions.end(),
              [](const ReviewDecision &a, const ReviewDecision &b) { return a.order < b.order; });
    return review;
}

} // namespace quoxa
