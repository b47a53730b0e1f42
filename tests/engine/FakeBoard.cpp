#include "engine/FakeBoard.h"
#include "settings/basMain.h"

namespace quoxa::test {
namespace {
QString Bool(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
} // namespace

QStringList FakeBoard::Calls(const QString &prefix) const
{
    QStringList calls;
    for (const QString &entry : log)
        if (entry.startsWith(prefix))
            calls << entry;
    return calls;
}

void FakeBoard::SetDieTag(int die, const QString &tag)
{
    tags.at(static_cast<std::size_t>(die - 1)) = tag;
    log << QStringLiteral("SetDieTag(%1,%2)").arg(die).arg(tag);
}

void FakeBoard::ShowFace(int die, int value)
{
    log << QStringLiteral("ShowFace(%1,%2)").arg(die).arg(value);
}

void FakeBoard::ReleaseHolds()
{
    held.fill(false);
    log << QStringLiteral("ReleaseHolds");
}

void FakeBoard::SetThrowButtonFace(const QString &name)
{
    log << QStringLiteral("SetThrowButtonFace(%1)").arg(name);
}

void FakeBoard::ShowQuestionMarks(bool show)
{
    log << QStringLiteral("ShowQuestionMarks(%1)").arg(Bool(show));
}

void FakeBoard::SetUndoEnabled(bool enabled)
{
    log << QStringLiteral("SetUndoEnabled(%1)").arg(Bool(enabled));
}

void FakeBoard::ShowScoreCell(QStringView label, Int16 value)
{
    log << QStringLiteral("ShowScoreCell(%1,%2)").arg(label).arg(value.value());
}

void FakeBoard::ReopenScoreCell(QStringView label)
{
    log << QStringLiteral("ReopenScoreCell(%1)").arg(label);
}

void FakeBoard::AddPlayerRow(const QString &name, const QString &score)
{
    log << QStringLiteral("AddPlayerRow(%1,%2)").arg(name, score);
}

void FakeBoard::SelectPlayerRow(int row)
{
    log << QStringLiteral("SelectPlayerRow(%1)").arg(row);
}

void FakeBoard::SetPlayerScore(int row, const QString &score)
{
    log << QStringLiteral("SetPlayerScore(%1,%2)").arg(row).arg(score);
}

bool FakeBoard::SaveScore(const QString &name, Int16 score)
{
    offered << QStringLiteral("%1=%2").arg(name).arg(score.value());
    return entering.contains(name);
}

void EngineFixture::Begin(int players)
{
    gintPlayerCount = players;
    gblnPlaySound = false;
    for (int p = 1; p <= 4; ++p)
        gudtPlayer(p).strName = QStringLiteral("P%1").arg(p);
    board = FakeBoard{};
    random = ScriptedRandom{};
    game = std::make_unique<Game>(board, random);
    game->StartNewGame();
    board.log.clear();
}

float ScriptedRandom::Next()
{
    ++used;
    if (draws.empty())
        return 0.0f;
    const float r = draws.front();
    draws.pop_front();
    return r;
}

} // namespace quoxa::test
