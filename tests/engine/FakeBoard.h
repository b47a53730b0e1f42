#pragma once
// A board that records what the engine asks of it, in order, and holds five dice.
#include "engine/Board.h"
#include "engine/Game.h"
#include "engine/RandomSource.h"

#include <QStringList>
#include <array>
#include <deque>
#include <memory>

namespace quoxa::test {

class FakeBoard : public Board {
public:
    QStringList log;
    std::array<QString, 5> tags;
    std::array<bool, 5> held{};
    QStringList offered;      // "name=score" for every SaveScore
    QStringList entering;     // names whose SaveScore answers true

    // The calls of one kind only, e.g. Calls("SelectPlayerRow").
    QStringList Calls(const QString &prefix) const;

    QString DieTag(int die) const override { return tags.at(static_cast<std::size_t>(die - 1)); }
    void SetDieTag(int die, const QString &tag) override;
    bool IsHeld(int die) const override { return held.at(static_cast<std::size_t>(die - 1)); }
    void ShowFace(int die, int value) override;
    void ReleaseHolds() override;
    void RefreshPointers() override { log << QStringLiteral("RefreshPointers"); }
    void ShowStatusText() override { log << QStringLiteral("ShowStatusText"); }
    void SetThrowButtonFace(const QString &name) override;
    void ShowQuestionMarks(bool show) override;
    void SetUndoEnabled(bool enabled) override;
    void ShowScoreCell(QStringView label, Int16 value) override;
    void ReopenScoreCell(QStringView label) override;
    void ClearPlayerList() override { log << QStringLiteral("ClearPlayerList"); }
    void AddPlayerRow(const QString &name, const QString &score) override;
    void SelectPlayerRow(int row) override;
    void SetPlayerScore(int row, const QString &score) override;
    void ShowCelebration() override { log << QStringLiteral("ShowCelebration"); }
    bool SaveScore(const QString &name, Int16 score) override;
    void ShowNewHighScores() override { log << QStringLiteral("ShowNewHighScores"); }
};

// Hands out the draws it was given, and counts what was asked of it.
class ScriptedRandom : public RandomSource {
public:
    std::deque<float> draws;
    int reseeds = 0;
    int used = 0;
    void Reseed() override { ++reseeds; }
    float Next() override;
};

// A draw that gives the face value v (1 to 6).
constexpr float DrawFor(int v) { return (static_cast<float>(v) - 0.5f) / 6.0f; }

// A game on a fake board with scripted dice: `players` named P1 to P4, sounds off, a new
// game started and the board's log emptied.
struct EngineFixture {
    FakeBoard board;
    ScriptedRandom random;
    std::unique_ptr<Game> game;
    void Begin(int players);
};

} // namespace quoxa::test
