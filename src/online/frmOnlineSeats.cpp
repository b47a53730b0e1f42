// Play Online's seats: the host gathers them before the game, every copy shows who is here
// during it, and the host has a computer play for a player who is away or has left.
#include "online/frmOnline.h"
#include "analysis/FigureWindow.h"
#include "engine/MoveText.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

namespace quoxa::online {

void frmOnline::AddSeat(const OnlineCommand::Seat &seat)
{
    if (mSeats.size() >= 4)
        return Status(tr("Every seat is taken."));
    mSeats.push_back(seat);
    AddFigureRow(lvwSeats, {seat.name, seat.jid, seat.level > 0 ? MoveText::Level(seat.level) : tr("Person")});
    ShowControls();
}

void frmOnline::ShowSeats()
{
    const int chosen = lvwSeats->indexOfTopLevelItem(lvwSeats->currentItem());
    ClearFigureList(lvwSeats); // every copy shows the seats as the host gave them
    mSeats.clear();
    for (const OnlineCommand::Seat &seat : mSession->seats()) {
        const int at = int(mSeats.size()) + 1;
        mSeats.push_back(seat);
        const QString absence = mSession->Absence(at);
        const QString player = seat.level > 0               ? MoveText::Level(seat.level)
                             : mSession->AwayLevel(at) > 0  ? tr("Computer: %1").arg(MoveText::Level(mSession->AwayLevel(at)))
                             : mSession->Left(at)           ? tr("Left")
                             : !absence.isEmpty()           ? tr("Away")
                                                            : tr("Person");
        AddFigureRow(lvwSeats, {seat.name, seat.jid, player});
    }
    lvwSeats->setCurrentItem(lvwSeats->topLevelItem(chosen));
    ShowControls();
}

void frmOnline::cmdStandIn_Click()
{
    const int seat = lvwSeats->indexOfTopLevelItem(lvwSeats->currentItem()) + 1;
    if (mSession && mHosting && seat > 0 && !mSession->Absence(seat).isEmpty())
        mSession->Away(seat, cboLevel->currentData().toInt());
}

void frmOnline::cmdAddComputer_Click()
{
    if (mHosting && mInRoom)
        AddSeat({mJid, tr("Computer %1").arg(mSeats.size() + 1), cboLevel->currentData().toInt()});
}

void frmOnline::cmdStart_Click()
{
    if (mHosting && mSession && !mSeats.empty()) {
        mSession->Seat(mSeats);
        Status(tr("Waiting for every copy to be ready..."));
    }
}

void frmOnline::ShowControls()
{
    const bool seating = mSession && mSession->phase() == OnlineSession::Phase::Seating;
    const bool idle = !mSession || !seating;
    cmdHost->setEnabled(idle);
    cmdJoin->setEnabled(idle);
    cmdInvite->setEnabled(mInRoom);
    for (QWidget *control : std::initializer_list<QWidget *>{cboLevel, cmdAddComputer, cmdStart})
        control->setEnabled(mHosting && mInRoom && seating && mSeats.size() < 5);
    cmdAddComputer->setEnabled(cmdAddComputer->isEnabled() && mSeats.size() < 4);
    const int chosen = lvwSeats->indexOfTopLevelItem(lvwSeats->currentItem()) + 1;
    const bool playing = mSession && mSession->phase() == OnlineSession::Phase::Playing;
    cmdStandIn->setEnabled(mHosting && playing && chosen > 0 && !mSession->Absence(chosen).isEmpty());
    cboLevel->setEnabled(cboLevel->isEnabled() || cmdStandIn->isEnabled());
}

} // namespace quoxa::online
