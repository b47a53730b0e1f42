// The board's side of a game played online: the window that sets it up, and the moves of the
// board, the person's and the computer's, handed to the session instead of the game.
#include "board/frmMain.h"
#include "engine/OnlineSession.h"
#include "online/frmOnline.h"
#include "platform/ErrorTrap.h"
#include "platform/WindowPlace.h"

namespace quoxa {

void frmMain::mnuGameOnline_Click()
{
    Trap([&] {
        if (!mOnlineWindow)
            mOnlineWindow = new online::frmOnline(*this);
        ShowBeside(mOnlineWindow, true);
    });
}

void frmMain::PlayOnline(OnlineSession *session)
{
    if (mOnline && mOnline != session)
        delete mOnline;
    session->setParent(this);
    mOnline = session;
    SetUndoEnabled(mGame.turn().mblnCanUndo); // Undo, the Hint and the computer as this copy's seats have them
}

Refusal frmMain::Move(const OnlineCommand &move, const std::function<Refusal()> &here)
{
    return mOnline ? mOnline->Play(move) : here();
}

} // namespace quoxa
