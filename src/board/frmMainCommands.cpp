// The board's commands: the menu bar and the tool bar, each one table whose rows carry
// what the command does.
#include "board/frmMain.h"
#include "board/ComputerPlayer.h"
#include "board/Shape.h"
#include "dialogs/frmAbout.h"
#include "engine/MoveText.h"
#include "engine/OnlineSession.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Pictures.h"
#include "platform/basHelp.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"
#include "settings/frmOptions.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <functional>
#include <map>
#include <string_view>
#include <utility>

namespace quoxa {
namespace {

// The commands, one table: each is one action, shown as a menu item, a tool-bar button or
// both. A top-level menu has no parent; a caption of "-" is a separator; a command of the
// tool bar alone has the parent "tlbMain". Several shortcuts are separated by "; ".
using Handler = void (*)(frmMain &);
struct Command {
    QStringView name;
    QStringView parent;
    const char *caption; // the texts are translated as the window's own
    QStringView shortcuts;
    bool checked;
    bool enabled;
    QStringView key; // its tool-bar button's, if it has one
    const char *toolTip;
    Handler handler;
};

const auto kCommands = std::to_array<Command>({
    {u"mnuGame", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Game"), u"", false, true, u"", nullptr, nullptr},
    {u"mnuGameNew", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "&New"), u"F2", false, true,
     u"New", QT_TRANSLATE_NOOP("quoxa::frmMain", "Start New Game"), [](frmMain &f) { f.mnuGameNew_Click(); }},
    {u"mnuGameDaily", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Daily Game"), u"Ctrl+D", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuGameDaily_Click(); }},
    {u"mnuGameDiceCode", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "Play Dice &Code..."), u"", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuGameDiceCode_Click(); }},
    {u"mnuGameOnline", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "Play &Online..."), u"", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuGameOnline_Click(); }},
    {u"mnuGameHint", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "Hin&t"), u"Ctrl+H", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuGameHint_Click(); }},
    {u"mnuGameSep1", u"mnuGame", "-", u"", false, true, u"", nullptr, nullptr},
    {u"mnuGameHighScores", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "&High Scores..."), u"", false, true,
     u"Scores", QT_TRANSLATE_NOOP("quoxa::frmMain", "Display High Scores"),
     [](frmMain &f) { f.mnuGameHighScores_Click(); }},
    {u"mnuGameReview", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Review Game..."), u"Ctrl+R", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuGameReview_Click(); }},
    {u"mnuGameStatistics", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Statistics..."), u"", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuGameStatistics_Click(); }},
    {u"mnuGameSep2", u"mnuGame", "-", u"", false, true, u"", nullptr, nullptr},
    {u"mnuGameExit", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "E&xit"), u"Ctrl+Q", false, true,
     u"Exit", QT_TRANSLATE_NOOP("quoxa::frmMain", "Exit Game"), [](frmMain &f) { f.mnuGameExit_Click(); }},
    {u"mnuEdit", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Edit"), u"", false, true, u"", nullptr, nullptr},
    {u"mnuEditUndo", u"mnuEdit", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Undo Last Score"), u"Ctrl+Z", false, false,
     u"Undo", QT_TRANSLATE_NOOP("quoxa::frmMain", "Undo Last Score"), [](frmMain &f) { f.mnuEditUndo_Click(); }},
    {u"mnuOptions", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Options"), u"", false, true, u"", nullptr, nullptr},
    {u"mnuOptionsColors", u"mnuOptions", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Colors"), u"", false, true,
     u"Colors", QT_TRANSLATE_NOOP("quoxa::frmMain", "Change Dice Colors"),
     [](frmMain &f) { f.ShowOptions(frmOptions::Colors); }},
    {u"mnuOption(1)", u"mnuOptions", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Players"), u"", false, true,
     u"Players", QT_TRANSLATE_NOOP("quoxa::frmMain", "Change Players"),
     [](frmMain &f) { f.ShowOptions(frmOptions::Players); }},
    {u"mnuOption(2)", u"mnuOptions", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Sounds"), u"", false, true,
     u"", nullptr, [](frmMain &f) { f.ShowOptions(frmOptions::Sounds); }},
    {u"mnuOption(3)", u"mnuOptions", QT_TRANSLATE_NOOP("quoxa::frmMain", "Co&mputer Players..."), u"", false, true,
     u"", nullptr, [](frmMain &f) { f.ShowOptions(frmOptions::Computer); }},
    {u"mnuView", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&View"), u"", false, true, u"", nullptr, nullptr},
    {u"mnuViewStatusBar", u"mnuView", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Status Bar"), u"", true, true,
     u"", nullptr, [](frmMain &f) { f.mnuViewStatusBar_Click(); }},
    {u"mnuViewToolbar", u"mnuView", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Toolbar"), u"", true, true,
     u"", nullptr, [](frmMain &f) { f.mnuViewToolbar_Click(); }},
    {u"mnuViewScoreCard", u"mnuView", QT_TRANSLATE_NOOP("quoxa::frmMain", "Score &Card"), u"Ctrl+K", false, true,
     u"Card", QT_TRANSLATE_NOOP("quoxa::frmMain", "Show Score Card"), [](frmMain &f) { f.mnuViewScoreCard_Click(); }},
    {u"mnuViewSep1", u"mnuView", "-", u"", false, true, u"", nullptr, nullptr},
    {u"mnuViewZoomIn", u"mnuView", QT_TRANSLATE_NOOP("quoxa::frmMain", "Zoom &In"), u"Ctrl++; Ctrl+=", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuViewZoomIn_Click(); }},
    {u"mnuViewZoomOut", u"mnuView", QT_TRANSLATE_NOOP("quoxa::frmMain", "Zoom &Out"), u"Ctrl+-", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuViewZoomOut_Click(); }},
    {u"mnuViewZoomReset", u"mnuView", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Actual Size"), u"Ctrl+0", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuViewZoomReset_Click(); }},
    {u"mnuHelp", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Help"), u"", false, true, u"", nullptr, nullptr},
    {u"mnuHelpContents", u"mnuHelp", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Contents"), u"F1", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuHelpContents_Click(); }},
    {u"mnuHelpIndex", u"mnuHelp", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Index"), u"", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuHelpIndex_Click(); }},
    {u"mnuHelpLicense", u"mnuHelp", QT_TRANSLATE_NOOP("quoxa::frmMain", "&License Agreement"), u"", false, true,
     u"", nullptr, [](frmMain &f) { f.mnuHelpLicense_Click(); }},
    {u"mnuHelpSep1", u"mnuHelp", "-", u"", false, true, u"", nullptr, nullptr},
    {u"mnuHelpAbout", u"mnuHelp", QT_TRANSLATE_NOOP("quoxa::frmMain", "&About Quoxa..."), u"", false, true,
     u"About", QT_TRANSLATE_NOOP("quoxa::frmMain", "Display Program Information"),
     [](frmMain &f) { f.mnuHelpAbout_Click(); }},
    {u"tlbMain.Sounds", u"tlbMain", nullptr, u"", true, true,
     u"Sounds", QT_TRANSLATE_NOOP("quoxa::frmMain", "Toggle Sounds"), [](frmMain &f) { f.ToggleSounds(); }},
});

// The tool bar's buttons by key, left to right; an empty key is a separator.
const auto kToolBar = std::to_array<QStringView>(
    {u"New", u"Scores", u"Card", u"", u"Undo", u"", u"Colors", u"Players", u"Sounds", u"", u"About", u"Exit"});

// Runs a command's handler when its item or button is triggered. The handler decides the
// check mark: the toggle Qt makes on its own is undone first.
void Connect(frmMain &window, QAction *action, std::function<void()> handler)
{
    QObject::connect(action, &QAction::triggered, &window, [action, handler = std::move(handler)] {
        if (action->isCheckable())
            action->setChecked(!action->isChecked());
        handler();
    });
}

} // namespace

void frmMain::BuildMenus()
{
    std::map<QStringView, QMenu *> menus;
    for (const Command &command : kCommands) {
        if (command.parent.isEmpty()) {
            QMenu *menu = menuBar()->addMenu(tr(command.caption));
            menu->setObjectName(command.name.toString());
            UseDesignColours(menu);
            menus[command.name] = menu;
            continue;
        }
        QAction *action = nullptr;
        if (command.parent == u"tlbMain")
            action = new QAction(this);
        else if (command.caption == std::string_view("-"))
            action = menus.at(command.parent)->addSeparator();
        else
            action = menus.at(command.parent)->addAction(tr(command.caption));
        action->setObjectName(command.name.toString());
        action->setShortcuts(QKeySequence::listFromString(command.shortcuts.toString()));
        action->setCheckable(command.checked);
        action->setChecked(command.checked);
        action->setEnabled(command.enabled);
        if (const Handler handler = command.handler)
            Connect(*this, action, [this, handler] { handler(*this); });
    }
}

void frmMain::BuildToolBar()
{
    tlbMain = new QToolBar(mClient);
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setMovable(false);
    tlbMain->setFloatable(false);
    for (QStringView key : kToolBar) {
        const auto command = std::find_if(kCommands.begin(), kCommands.end(), [&](const Command &c) { return c.key == key; });
        if (key.isEmpty() || command == kCommands.end()) {
            tlbMain->addSeparator();
            continue;
        }
        // The menu item's own action: the button and the item are enabled, checked and run
        // as one.
        QAction *action = Action(command->name.toString());
        action->setIcon(LoadToolBarImage(key.toString()));
        action->setIconVisibleInMenu(false);
        action->setData(key.toString());
        action->setToolTip(tr(command->toolTip));
        tlbMain->addAction(action);
        QWidget *button = tlbMain->widgetForAction(action);
        button->setObjectName(QStringLiteral("tlbMain.") + key.toString());
        button->setAccessibleName(tr(command->toolTip));
    }
}

void frmMain::cmdThrow_Click()
{
    if (PersonLockedOut()) {
        if (mComputer->Playing())
            mComputer->Hurry();
        return;
    }
    if (mOnline && mGame.turn().mstrState == u"Game Over")
        return StartNewGame(); // a game at this table, as the button says
    const bool person = !mComputer->Playing();
    const QString before = mGame.turn().mstrState;
    const OnlineCommand move{.kind = before == u"Continue" ? OnlineCommand::Kind::Continue : OnlineCommand::Kind::Throw};
    // Online, the dice come only once every copy's share is in.
    if (Move(move, [&] { return mGame.cmdThrow_Click(); }) == Refusal::None && before.startsWith(u"Throw ") && !mOnline)
        Tell(person ? MoveText::Thrown(mGame.Dice(), mGame.turn().mintRolls.value()) : MoveText::Threw(mGame.CurrentSheet().strName, mGame.Dice()));
}

bool frmMain::PersonLockedOut() const
{
    return !mComputer->Acting() && (mComputer->Playing() || (mOnline && !mOnline->Moves()));
}

void frmMain::ScoreCategory(QStringView label)
{
    if (PersonLockedOut())
        return;
    const bool person = !mComputer->Playing();
    const bool bonus = UpperBonusEarned(mGame.CurrentSheet());
    const Refusal refused = Move({.kind = OnlineCommand::Kind::Score, .box = FindSheetRow(label)}, [&] { return mGame.RecordScore(label); });
    cmdThrow->setFocus();
    if (refused != Refusal::None)
        return;
    // A person hears the points and the game total, a computer's player its total after its
    // narration; either the upper bonus once earned.
    const PlayerSheet &sheet = mGame.CurrentSheet();
    const SheetRow &row = *FindSheetRow(label);
    QStringList lines{person ? MoveText::Scored(row, (sheet.*row.field).value(), sheet.intGameTotal.value()) : QString()};
    if (!bonus && UpperBonusEarned(sheet))
        lines << MoveText::Bonus(sheet.strName, kUpperBonus);
    if (!person)
        lines << MoveText::Total(sheet.strName, sheet.intGameTotal.value());
    lines.removeAll(QString());
    Tell(lines.join(u' '), person); // a person's before whatever the score brought with it: the end of the game, say
}

void frmMain::fraDie_Click(int index)
{
    Trap([&] {
        const bool held = !mGame.Held(index);
        if (PersonLockedOut() || Move({.kind = OnlineCommand::Kind::Hold, .die = index, .held = held}, [&] { return mGame.Hold(index, held); }) != Refusal::None)
            return;
        if (!mComputer->Playing())
            Tell(MoveText::Held(index, mGame.Die(index), mGame.Held(index)));
        if (ClearHint())
            ShowStatusText(); // the turn's own prompt again
    });
}

void frmMain::mnuGameHint_Click()
{
    Trap([&] {
        if (!Action(QStringLiteral("mnuGameHint"))->isEnabled())
            return;
        const Strategy *strategy = Strategy::Ready();
        if (!strategy) { // best play is still being worked out: the Hint follows when it is
            ClearHint();
            mPanels[0]->setText(tr("Hint: working it out..."));
            mHintWaiting = true;
            Strategy::WhenReady(this, [this](const Strategy &) {
                if (mHintWaiting)
                    mnuGameHint_Click();
            });
            return;
        }
        const Game::Hint hint = mGame.BestMove(*strategy);
        if (hint.text.isEmpty())
            return;
        ClearHint();
        mPanels[0]->setText(hint.text);
        Tell(hint.text); // told like the news, wherever the keyboard is
        for (int die = 1; die <= 5; ++die)
            DieAt(die).shpHint->setVisible(hint.keep[die - 1]);
        if (hint.category) {
            mHintedCell = SheetLabel(hint.category->label);
            Paint(mHintedCell, kHintCellColour);
        }
    });
}

bool frmMain::ClearHint()
{
    bool shown = mHintedCell != nullptr || std::exchange(mHintWaiting, false);
    for (Die &die : mDice) {
        shown |= die.shpHint->isVisible();
        die.shpHint->hide();
    }
    if (mHintedCell)
        Paint(mHintedCell, kDesignWhite); // a category the Hint names is open: white
    mHintedCell = nullptr;
    return shown;
}

void frmMain::mnuGameNew_Click()
{
    StartNewGame();
}

void frmMain::StartNewGame()
{
    if (mOnline) { // the game online is left for good
        mOnline->Leave();
        delete mOnline;
    }
    mGame.StartNewGame(ChosenPlayers());
}

Players frmMain::ChosenPlayers() const
{
    return {gintPlayerCount, gblnComputer, gintComputerLevel, gstrPlayerName};
}

void frmMain::ComputerLevelsChanged()
{
    mGame.SetLevels(gintComputerLevel);
}

void frmMain::mnuGameHighScores_Click()
{
    Trap([&] { OpenModal(new frmScores(this)); });
}

void frmMain::mnuEditUndo_Click()
{
    Move({.kind = OnlineCommand::Kind::Undo}, [&] { return mGame.UndoLastScore(); });
}

void frmMain::ShowOptions(int page)
{
    Trap([&] {
        auto *options = new frmOptions(*this, page);
        connect(options, &QDialog::finished, cmdThrow, [this] { cmdThrow->setFocus(); }); // the next Space throws
        OpenModal(options);
    });
}

void frmMain::SetSoundsButton(bool pressed)
{
    Trap([&] { Action(QStringLiteral("tlbMain.Sounds"))->setChecked(pressed); });
}

void frmMain::mnuHelpContents_Click()
{
    basHelp::ShowHelpContents(this, basHelp::HelpFile());
}

void frmMain::mnuHelpIndex_Click()
{
    basHelp::ShowHelpIndex(this, basHelp::HelpFile());
}

void frmMain::mnuHelpLicense_Click()
{
    basHelp::ShowHelpTopic(this, basHelp::HelpFile(), QStringLiteral("License.htm"));
}

void frmMain::mnuHelpAbout_Click()
{
    Trap([&] { OpenModal(new frmAbout(this)); });
}

void frmMain::mnuGameExit_Click()
{
    Trap([&] { close(); });
}

void frmMain::mnuViewStatusBar_Click()
{
    Trap([&] {
        QAction *item = Action(QStringLiteral("mnuViewStatusBar"));
        const bool shown = item->isChecked();
        item->setChecked(!shown);
        stbMain->setVisible(!shown);
        ResizeClient(shown ? -stbMain->height() : stbMain->height());
    });
}

void frmMain::mnuViewToolbar_Click()
{
    Trap([&] {
        QAction *item = Action(QStringLiteral("mnuViewToolbar"));
        const bool shown = item->isChecked();
        const int h = tlbMain->height();
        item->setChecked(!shown);
        tlbMain->setVisible(!shown);
        const int dy = shown ? -h : h;
        for (QWidget *widget : Block())
            widget->move(widget->x(), widget->y() + dy);
        ResizeClient(dy);
    });
}

void frmMain::ToggleSounds()
{
    gblnPlaySound = !gblnPlaySound;
    SetSoundsButton(gblnPlaySound);
}

} // namespace quoxa
