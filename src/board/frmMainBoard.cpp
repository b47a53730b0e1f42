// What the game asks of the board: dice, holds, pointers, prompts, sheet cells, the
// players list and the windows that interrupt a turn.
#include "board/frmMain.h"
#include "engine/OnlineSession.h"
#include "analysis/frmScoreCard.h"
#include "board/ComputerPlayer.h"
#include "board/Shape.h"
#include "dialogs/frmQuoxa.h"
#include "engine/MoveText.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Pictures.h"
#include "platform/basWave.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"

#include <QCoreApplication>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace quoxa {
namespace {

// Which pips show for each face value, shpPip1 to shpPip7: two and three run from top
// right to bottom left, six is two rows of three.
constexpr std::array<std::array<bool, 7>, 6> kFaces{{
    {false, false, false, true, false, false, false},
    {false, false, true, false, true, false, false},
    {false, false, true, true, true, false, false},
    {true, false, true, false, true, false, true},
    {true, false, true, true, true, false, true},
    {true, true, true, false, true, true, true},
}};


struct PanelText {
    QStringView state;
    const char *instruction; // translated as the window's own
    bool showCount;
};
const std::array<PanelText, 6> kPanelTexts{{
    {u"Throw 0", QT_TRANSLATE_NOOP("quoxa::frmMain", "Throw the dice."), true},
    {u"Throw 1", QT_TRANSLATE_NOOP("quoxa::frmMain", "Hold dice then throw again, or select score score category."), true},
    {u"Throw 2", QT_TRANSLATE_NOOP("quoxa::frmMain", "Hold dice then throw again, or select score score category."), true},
    {u"Throw 3", QT_TRANSLATE_NOOP("quoxa::frmMain", "Select score category."), true},
    {u"Continue", QT_TRANSLATE_NOOP("quoxa::frmMain", "Press 'Continue', or press 'Undo' button to undo last score."), true},
    {u"Game Over", QT_TRANSLATE_NOOP("quoxa::frmMain", "Game Over."), false},
}};

const PanelText *PanelFor(QStringView state)
{
    for (const PanelText &texts : kPanelTexts)
        if (texts.state == state)
            return &texts;
    return nullptr;
}

} // namespace

void frmMain::SetDieTag(int die, const QString &tag)
{
    DieAt(die).shpDie->setTag(tag);
}

void frmMain::ShowFace(int die, int value)
{
    Trap([&] {
        if (value < 1 || value > 6)
            throw RunError::SubscriptOutOfRange();
        const auto &face = kFaces[static_cast<std::size_t>(value - 1)];
        for (std::size_t p = 0; p < face.size(); ++p)
            DieAt(die).shpPip[p]->setVisible(face[p]);
        DescribeDie(die);
    });
}

void frmMain::DescribeDie(int die)
{
    const Die &parts = DieAt(die);
    const QString face = QString::number(mGame.Die(die));
    const QString shown = !parts.lblQuestion->isHidden() ? tr("not thrown")
                          : mGame.Held(die)              ? MoveText::HeldFace(mGame.Die(die))
                                                         : face;
    parts.fraDie->setAccessibleName(MoveText::DieLine(die, shown));
    parts.fraDie->setAccessibleDescription(shown);
}

void frmMain::DescribeBox(QLabel *cell, QStringView label, Int16 value)
{
    const QString shown = value == PlayerSheet::kUnscored ? tr("empty") : value.toString();
    const SheetRow *row = FindSheetRow(label);
    if (row)
        cell->setAccessibleName(tr("%1: %2").arg(RowName(*row), shown));
    cell->setAccessibleDescription(shown);
}

void frmMain::PreviewScore(QStringView label, bool resting)
{
    Trap([&] {
        QLabel *cell = SheetLabel(label);
        const SheetRow *row = FindSheetRow(label);
        const bool open = mGame.CurrentSheet().*row->field == PlayerSheet::kUnscored;
        if (resting && open && mGame.turn().mblnCanScore && !mComputer->Playing()) {
            if (!mPreviewCell)
                mPreviewSaved = mPanels[0]->text();
            mPreviewCell = cell;
            const int points = mGame.ScoreFor(*row);
            const QString preview = tr("%1: %n point(s)", nullptr, points).arg(Caption(*row));
            mPanels[0]->setText(preview);
            cell->setAccessibleDescription(tr("%n point(s)", nullptr, points)); // after its name, which says the box
        } else if (!resting && mPreviewCell == cell) { // what the panel said before, the Hint included
            mPreviewCell = nullptr;
            mPanels[0]->setText(mPreviewSaved);
            DescribeBox(cell, label, PlayerSheet::kUnscored);
        }
    });
}

void frmMain::ReleaseHolds()
{
    for (int die = 1; die <= 5; ++die)
        SetHeld(die, false);
}

void frmMain::SetHeld(int die, bool held)
{
    Trap([&] {
        DieAt(die).shpHold->setVisible(held);
        DescribeDie(die);
    });
}

const QCursor &frmMain::Pointers::operator()(const QString &name)
{
    auto it = mLoaded.find(name);
    if (it == mLoaded.end())
        it = mLoaded.emplace(name, name.isEmpty() ? QCursor(Qt::ArrowCursor) : LoadCursor(name)).first;
    return it->second;
}

void frmMain::SetPointer(QWidget *widget, const QString &cursor, Pointers &pointers)
{
    // A control remembers which pointer it shows, so the same one is not set again.
    if (widget->property("Pointer").toString() == cursor)
        return;
    widget->setCursor(pointers(cursor));
    widget->setProperty("Pointer", cursor);
}

void frmMain::SetPointer(QWidget *widget, const QString &cursor)
{
    Pointers pointers;
    SetPointer(widget, cursor, pointers);
}

void frmMain::SetCategoryPointer(QLabel *label, Int16 value, Pointers &pointers)
{
    SetPointer(label, mGame.turn().mblnCanScore && value == PlayerSheet::kUnscored ? QStringLiteral("PENCIL") : QString(),
               pointers);
}

void frmMain::RefreshPointers()
{
    Trap([&] {
        const PlayerSheet &sheet = mGame.CurrentSheet();
        Pointers pointers;
        for (const SheetRow &row : kScoreSheet)
            if (row.isCategory())
                SetCategoryPointer(SheetLabel(row.label), sheet.*row.field, pointers);
        for (Die &die : mDice)
            SetPointer(die.fraDie, mGame.turn().mblnCanHold ? QStringLiteral("HAND") : QString(), pointers);
    });
}

void frmMain::ShowStatusText()
{
    Trap([&] {
        // A new prompt ends the Hint; it is there to be asked for while the dice roll.
        ClearHint();
        if (const PanelText *texts = PanelFor(mGame.turn().mstrState))
            mPanels[1]->setText(texts->showCount ? tr("Rolls Remaining: %1").arg(mGame.turn().mintRolls.toString()) : QString());
        ShowTurnText();
    });
}

void frmMain::ShowTurnText()
{
    Trap([&] {
        mPreviewCell = nullptr; // a new text for the turn ends a box's preview
        if (mOnline && mOnline->phase() == OnlineSession::Phase::Playing && !mOnline->OwnTurn() && mGame.turn().mstrState != u"Game Over") {
            const QString absence = mOnline->Absence(mGame.turn().mintPlayer.value());
            mPanels[0]->setText(absence.isEmpty() ? tr("%1 plays on another copy of the game.").arg(mGame.CurrentSheet().strName) : absence);
        } else if (mComputer->Playing()) {
            mPanels[0]->setText(mComputer->Told());
        } else if (const PanelText *texts = PanelFor(mGame.turn().mstrState)) {
            mPanels[0]->setText(tr(texts->instruction));
        }
        Tell({}); // whose turn it is, once it has settled
    });
}

void frmMain::SetThrowButtonFace(const QString &name)
{
    Trap([&] {
        // The button remembers which picture it shows: the same one is not set again.
        if (cmdThrow->property("Picture").toString() == name)
            return;
        // Each face is loaded the first time it shows and kept: one picture anew at every
        // change would add to the toolkit's picture cache at every turn.
        auto face = mThrowFaces.find(name);
        if (face == mThrowFaces.end())
            face = mThrowFaces.emplace(name, LoadButtonPicture(name)).first;
        cmdThrow->setIcon(face->second);
        cmdThrow->setProperty("Picture", name);
        // Its name follows its face, for a screen reader.
        cmdThrow->setAccessibleName(ButtonWord(name));
    });
}

void frmMain::ShowQuestionMarks(bool show)
{
    Trap([&] {
        for (int die = 1; die <= 5; ++die) {
            DieAt(die).lblQuestion->setVisible(show);
            if (show)
                for (Shape *pip : DieAt(die).shpPip)
                    pip->hide();
            DescribeDie(die);
        }
    });
}

// The last step of every change of the turn state, the turn passed on included: Undo and
// the Hint are the person's alone, and the computer takes its turn.
void frmMain::SetUndoEnabled(bool enabled)
{
    Trap([&] {
        const bool person = !mComputer->Playing() && (!mOnline || mOnline->Moves());
        Action(QStringLiteral("mnuEditUndo"))->setEnabled(enabled && person); // its tool-bar button too
        Action(QStringLiteral("mnuGameHint"))->setEnabled(mGame.turn().mstrState.startsWith(u"Throw") && person);
        ShowTurnText(); // the turn passed on: whose it is now
        if (mScoreCard && mScoreCard->isVisible())
            mScoreCard->Refresh(mGame);
        mComputer->Schedule();
    });
}

void frmMain::ShowScoreCell(QStringView label, Int16 value)
{
    Trap([&] {
        QLabel *cell = SheetLabel(label);
        const bool empty = value == PlayerSheet::kUnscored;
        Paint(cell, empty ? kDesignWhite : kDesignGrey);
        cell->setText(empty ? QString() : value.toString());
        DescribeBox(cell, label, value);
        cell->setFocusPolicy(empty ? Qt::TabFocus : Qt::NoFocus); // only open categories take the focus
        SetPointer(cell, QString());
    });
}

void frmMain::ReopenScoreCell(QStringView label)
{
    Trap([&] {
        QLabel *cell = SheetLabel(label);
        cell->setText(QString());
        Paint(cell, kDesignWhite);
        DescribeBox(cell, label, PlayerSheet::kUnscored);
        Tell(cell->accessibleName()); // a score taken back
        cell->setFocusPolicy(Qt::TabFocus);
        SetPointer(cell, QStringLiteral("PENCIL"));
    });
}

void frmMain::ClearPlayerList()
{
    Trap([&] { lvwPlayers->clear(); });
}

void frmMain::AddPlayerRow(const QString &name, const QString &score)
{
    Trap([&] {
        auto *item = new QTreeWidgetItem(lvwPlayers, {name, score});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        // The computer's players marked, every name in line.
        item->setIcon(0, PlayerIcon(mGame.players().computer.at(std::size_t(lvwPlayers->topLevelItemCount() - 1))));
    });
}

const QIcon &frmMain::PlayerIcon(bool computer)
{
    QIcon &icon = mPlayerIcons.at(computer);
    if (icon.isNull()) // loaded once and kept: a picture anew at every game would fill the toolkit's cache
        icon = LoadPicture(computer ? QStringLiteral("COMPUTER") : QStringLiteral("PERSON"));
    return icon;
}

void frmMain::SelectPlayerRow(int row)
{
    Trap([&] {
        QTreeWidgetItem *item = lvwPlayers->topLevelItem(row - 1);
        if (!item)
            throw RunError(35600, QCoreApplication::translate("ErrorTrap", "Index out of bounds"));
        lvwPlayers->clearSelection();
        item->setSelected(true);
    });
}

void frmMain::SetPlayerScore(int row, const QString &score)
{
    Trap([&] {
        QTreeWidgetItem *item = lvwPlayers->topLevelItem(row - 1);
        if (!item)
            throw RunError(35600, QCoreApplication::translate("ErrorTrap", "Index out of bounds"));
        item->setText(1, score);
    });
}

void frmMain::ShowCelebration()
{
    Trap([&] { OpenModal(new frmQuoxa(this)); });
}

bool frmMain::SaveScore(const QString &name, Int16 score)
{
    return frmScores::SaveScore(name, score);
}

void frmMain::PlaySound(const QString &name)
{
    if (gblnPlaySound)
        basWave::PlayWave(name);
}

void frmMain::ShowGameEnd(bool newHighScore)
{
    Trap([&] {
        if (!newHighScore)
            return ShowFinalScores();
        frmScores::blnNewHighScore = true;
        auto *scores = new frmScores(this);
        connect(scores, &QDialog::finished, this, &frmMain::ShowFinalScores);
        OpenModal(scores);
    });
}

void frmMain::ShowFinalScores()
{
    if (mGame.players().count >= 2 || DailyGame()) // a daily game: the Perfect computer and the most on its dice
        ShowScoreCard(false); // the keyboard stays on the board
}

} // namespace quoxa
