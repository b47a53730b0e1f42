// What a blind player hears of the board, besides the name of the control with the focus:
// the dice after each of the person's throws, a die held or let go, the points scored, a
// score taken back, whose turn begins, each step of a computer's turn and the end of the
// game. The lines of one action go out together once it is over, in the order told, and
// last whose turn it now is, once the turn has settled.
#include "board/ComputerPlayer.h"
#include "board/frmMain.h"
#include "engine/MoveText.h"
#include "platform/Announce.h"
#include "settings/basMain.h"

#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace quoxa {

void frmMain::Tell(const QString &line, bool first)
{
    if (!line.isEmpty() && !mToTell.contains(line))
        first ? mToTell.prepend(line) : mToTell.append(line);
    if (std::exchange(mTelling, true))
        return;
    QTimer::singleShot(0, this, [this] {
        mTelling = false;
        QStringList lines = std::exchange(mToTell, {});
        if (const QString turn = TurnLine(); !turn.isEmpty() && !lines.contains(turn))
            lines << turn;
        if (!lines.isEmpty())
            Announce(this, lines.join(u' '));
    });
}

QString frmMain::TurnLine()
{
    const QString turn = mGame.turn().mstrState + mGame.turn().mintPlayer.toString();
    if (std::exchange(mToldTurn, turn) == turn)
        return {};
    const int players = mGame.players().count.value();
    const QString prompt = mPanels[0]->text();
    if (mGame.turn().mstrState == u"Throw 0")
        return mComputer->Playing() || players == 1 ? prompt : tr("%1: %2").arg(mGame.CurrentSheet().strName, prompt);
    if (mGame.turn().mstrState == u"Game Over")
        return players == 1 ? prompt : prompt + u' ' + Ranking(mGame.Sheets());
    return {};
}

} // namespace quoxa
