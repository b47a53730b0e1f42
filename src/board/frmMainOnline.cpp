// The board's side of a game played online: the window that sets it up, and the moves of the
// board, the person's and the computer's, handed to the session instead of the game.
#include "board/frmMain.h"
#include "board/ComputerPlayer.h"
#include "engine/MoveText.h"
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

void frmMain::ReturnOnline(const GameRecord::SharedDice &kept)
{
    Trap([&] {
        mnuGameOnline_Click();
        mOnlineWindow->Return(kept);
    });
}

void frmMain::PlayOnline(OnlineSession *session)
{
    if (mOnline != session) {
        delete mOnline;
        session->setParent(this);
        mOnline = session;
        connect(session, &OnlineSession::Played, this, &frmMain::TellOnline);
        connect(session, &OnlineSession::SeatsChanged, this, [this](const QString &news) {
            Tell(news);
            SetUndoEnabled(mGame.turn().mblnCanUndo); // the computer takes a seat, or gives it back
        });
    }
    SetUndoEnabled(mGame.turn().mblnCanUndo); // Undo, the Hint and the computer as this copy's seats have them
}

void frmMain::TellOnline(const OnlineCommand &move, bool here)
{
    Trap([&] {
        const PlayerSheet &sheet = mGame.CurrentSheet();
        if (move.kind == OnlineCommand::Kind::Throw) {
            if (here && !mComputer->Playing())
                return Tell(MoveText::Thrown(mGame.Dice(), mGame.turn().mintRolls.value()));
            Strategy::Choice kept; // what another copy's player kept, which its computer's narration would have said
            for (int die = 1; die <= 5; ++die)
                kept.keep.at(std::size_t(mGame.Die(die))) += mGame.Held(die) ? 1 : 0;
            const bool keeping = !here && mGame.turn().mintRolls < 2 && kept.keep != Strategy::Choice{}.keep;
            Tell(QStringList{keeping ? MoveText::Narration(sheet.strName, &kept, mGame.Dice()) : QString(), MoveText::Threw(sheet.strName, mGame.Dice())}.join(u' ').trimmed());
        } else if (move.kind == OnlineCommand::Kind::Score && move.box) {
            const int points = (sheet.*move.box->field).value();
            QStringList lines{MoveText::Scores(sheet.strName, points, *move.box)};
            if (move.box->section == 1 && UpperBonusEarned(sheet) && sheet.intTotal.value() - points <= 63)
                lines << MoveText::Bonus(sheet.strName, kUpperBonus);
            Tell((lines << MoveText::Total(sheet.strName, sheet.intGameTotal.value())).join(u' '));
        }
    });
}

Refusal frmMain::Move(const OnlineCommand &move, const std::function<Refusal()> &here)
{
    return mOnline ? mOnline->Play(move) : here();
}

} // namespace quoxa
