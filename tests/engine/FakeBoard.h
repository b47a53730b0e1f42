#pragma once
// A board that records what the engine asks of it, in order, and holds five dice.
#include "engine/Board.h"
#include "engine/Game.h"
#include "engine/RandomSource.h"

#include <QRegularExpression>
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
    QStringList offered;  // "name=score" for every SaveScore
    QStringList entering; // names whose SaveScore answers true

    // The calls of one kind only, e.g. Calls("SelectPlayerRow").
    QStringList Calls(const QString &prefix) const { return log.filter(QRegularExpression("^" + prefix)); }

    QString DieTag(int die) const override { return tags.at(static_cast<std::size_t>(die - 1)); }
    void SetDieTag(int die, const QString &tag) override;
    bool IsHeld(int die) const override { return held.at(static_cast<std::size_t>(die - 1)); }
    void ShowFace(int die, int value) override { Record("ShowFace", die, value); }
    void ReleaseHolds() override;
    void RefreshPointers() override { Record("RefreshPointers"); }
    void ShowStatusText() override { Record("ShowStatusText"); }
    void SetThrowButtonFace(const QString &name) override { Record("SetThrowButtonFace", name); }
    void ShowQuestionMarks(bool show) override { Record("ShowQuestionMarks", show); }
    void SetUndoEnabled(bool enabled) override { Record("SetUndoEnabled", enabled); }
    void ShowScoreCell(QStringView label, Int16 value) override { Record("ShowScoreCell", label, value.value()); }
    void ReopenScoreCell(QStringView label) override { Record("ReopenScoreCell", label); }
    void ClearPlayerList() override { Record("ClearPlayerList"); }
    void AddPlayerRow(const QString &name, const QString &score) override { Record("AddPlayerRow", name, score); }
    void SelectPlayerRow(int row) override { Record("SelectPlayerRow", row); }
    void SetPlayerScore(int row, const QString &score) override { Record("SetPlayerScore", row, score); }
    void ShowCelebration() override { Record("ShowCelebration"); }
    bool SaveScore(const QString &name, Int16 score) override;
    void ShowNewHighScores() override { Record("ShowNewHighScores"); }

private:
    // Logs "Name(arg,arg)"; Booleans as true and false.
    template <typename... Args>
    void Record(const char *name, const Args &...args)
    {
        QStringList texts;
        (texts.append(Text(args)), ...);
        log << QString::fromLatin1(name) + (texts.isEmpty() ? QString() : "(" + texts.join(',') + ")");
    }
    static QString Text(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }
    static QString Text(int n) { return QString::number(n); }
    static QString Text(QStringView s) { return s.toString(); }
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
