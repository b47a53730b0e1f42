#include "engine/FakeBoard.h"
#include "settings/basMain.h"

namespace quoxa::test {

void FakeBoard::SetDieTag(int die, const QString &tag)
{
    tags.at(static_cast<std::size_t>(die - 1)) = tag;
    Record("SetDieTag", die, tag);
}

void FakeBoard::ReleaseHolds()
{
    held.fill(false);
    Record("ReleaseHolds");
}

bool FakeBoard::SaveScore(const QString &name, Int16 score)
{
    offered << QStringLiteral("%1=%2").arg(name).arg(score.value());
    return entering.contains(name);
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

} // namespace quoxa::test
