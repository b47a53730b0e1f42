// The board's commands: the menu bar and the tool bar, each one table whose rows carry
// what the command does.
#include "board/frmMain.h"
#include "analysis/frmScoreCard.h"
#include "board/Shape.h"
#include "dialogs/frmAbout.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Pictures.h"
#include "platform/basHelp.h"
#include "platform/basWave.h"
#include "scores/frmScores.h"
#include "settings/basMain.h"
#include "settings/frmOptions.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <map>
#include <string_view>
#include <utility>

namespace quoxa {
namespace {

// How often a Hint asked for early looks again whether best play is worked out.
constexpr int kHintWaitMs = 50;

// The menu bar: top-level menus have no parent; a caption of "-" is a separator.
using Handler = void (*)(frmMain &);
struct MenuEntry {
    QStringView name;
    QStringView parent;
    const char *caption; // translated as the window's own texts
    QStringView shortcut;
    bool checked;
    bool enabled;
    Handler handler;
};

const auto kMenus = std::to_array<MenuEntry>({
    {u"mnuGame", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Game"), u"", false, true, nullptr},
    {u"mnuGameNew", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "&New"), u"F2", false, true,
     [](frmMain &f) { f.mnuGameNew_Click(); }},
    {u"mnuGameHint", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Hint"), u"Ctrl+H", false, true,
     [](frmMain &f) { f.mnuGameHint_Click(); }},
    {u"mnuGameSep1", u"mnuGame", "-", u"", false, true, nullptr},
    {u"mnuGameHighScores", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "&High Scores..."), u"", false, true,
     [](frmMain &f) { f.mnuGameHighScores_Click(); }},
    {u"mnuGameSep2", u"mnuGame", "-", u"", false, true, nullptr},
    {u"mnuGameExit", u"mnuGame", QT_TRANSLATE_NOOP("quoxa::frmMain", "E&xit"), u"", false, true,
     [](frmMain &f) { f.mnuGameExit_Click(); }},
    {u"mnuEdit", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Edit"), u"", false, true, nullptr},
    {u"mnuEditUndo", u"mnuEdit", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Undo Last Score"), u"", false, false,
     [](frmMain &f) { f.mnuEditUndo_Click(); }},
    {u"mnuOptions", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Options"), u"", false, true, nullptr},
    {u"mnuOptionsColors", u"mnuOptions", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Colors"), u"", false, true,
     [](frmMain &f) { f.ShowOptions(frmOptions::Colors); }},
    {u"mnuOption(1)", u"mnuOptions", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Players"), u"", false, true,
     [](frmMain &f) { f.ShowOptions(frmOptions::Players); }},
    {u"mnuOption(2)", u"mnuOptions", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Sounds"), u"", false, true,
     [](frmMain &f) { f.ShowOptions(frmOptions::Sounds); }},
    {u"mnuOption(3)", u"mnuOptions", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Computer Players..."), u"", false, true,
     [](frmMain &f) { f.ShowOptions(frmOptions::Computer); }},
    {u"mnuView", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&View"), u"", false, true, nullptr},
    {u"mnuViewStatusBar", u"mnuView", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Status Bar"), u"", true, true,
     [](frmMain &f) { f.mnuViewStatusBar_Click(); }},
    {u"mnuViewToolbar", u"mnuView", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Toolbar"), u"", true, true,
     [](frmMain &f) { f.mnuViewToolbar_Click(); }},
    {u"mnuViewScoreCard", u"mnuView", QT_TRANSLATE_NOOP("quoxa::frmMain", "Score &Card"), u"Ctrl+K", false, true,
     [](frmMain &f) { f.mnuViewScoreCard_Click(); }},
    {u"mnuHelp", u"", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Help"), u"", false, true, nullptr},
    {u"mnuHelpContents", u"mnuHelp", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Contents"), u"F1", false, true,
     [](frmMain &f) { f.mnuHelpContents_Click(); }},
    {u"mnuHelpIndex", u"mnuHelp", QT_TRANSLATE_NOOP("quoxa::frmMain", "&Index"), u"", false, true,
     [](frmMain &f) { f.mnuHelpIndex_Click(); }},
    {u"mnuHelpLicense", u"mnuHelp", QT_TRANSLATE_NOOP("quoxa::frmMain", "&License Agreement"), u"", false, true,
     [](frmMain &f) { f.mnuHelpLicense_Click(); }},
    {u"mnuHelpSep1", u"mnuHelp", "-", u"", false, true, nullptr},
    {u"mnuHelpAbout", u"mnuHelp", QT_TRANSLATE_NOOP("quoxa::frmMain", "&About Quoxa..."), u"", false, true,
     [](frmMain &f) { f.mnuHelpAbout_Click(); }},
});

// The tool bar, left to right, each button with what it does; an entry without a key is
// a separator.
struct ToolEntry {
    QStringView key;
    const char *toolTip; // translated as the window's own texts
    bool checkable;
    bool enabled;
    Handler handler;
};

const auto kToolButtons = std::to_array<ToolEntry>({
    {u"New", QT_TRANSLATE_NOOP("quoxa::frmMain", "Start New Game"), false, true,
     [](frmMain &f) { f.mnuGameNew_Click(); }},
    {u"Scores", QT_TRANSLATE_NOOP("quoxa::frmMain", "Display High Scores"), false, true,
     [](frmMain &f) { f.mnuGameHighScores_Click(); }},
    {u"Card", QT_TRANSLATE_NOOP("quoxa::frmMain", "Show Score Card"), false, true,
     [](frmMain &f) { f.mnuViewScoreCard_Click(); }},
    {u"", "", false, true, nullptr},
    {u"Undo", QT_TRANSLATE_NOOP("quoxa::frmMain", "Undo Last Score"), false, false,
     [](frmMain &f) { f.mnuEditUndo_Click(); }},
    {u"", "", false, true, nullptr},
    {u"Colors", QT_TRANSLATE_NOOP("quoxa::frmMain", "Change Dice Colors"), false, true,
     [](frmMain &f) { f.ShowOptions(frmOptions::Colors); }},
    {u"Players", QT_TRANSLATE_NOOP("quoxa::frmMain", "Change Players"), false, true,
     [](frmMain &f) { f.ShowOptions(frmOptions::Players); }},
    {u"Sounds", QT_TRANSLATE_NOOP("quoxa::frmMain", "Toggle Sounds"), true, true, [](frmMain &f) { f.ToggleSounds(); }},
    {u"", "", false, true, nullptr},
    {u"About", QT_TRANSLATE_NOOP("quoxa::frmMain", "Display Program Information"), false, true,
     [](frmMain &f) { f.mnuHelpAbout_Click(); }},
    {u"Exit", QT_TRANSLATE_NOOP("quoxa::frmMain", "Exit Game"), false, true, [](frmMain &f) { f.mnuGameExit_Click(); }},
});

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
    for (const MenuEntry &entry : kMenus) {
        if (entry.parent.isEmpty()) {
            QMenu *menu = menuBar()->addMenu(tr(entry.caption));
            menu->setObjectName(entry.name.toString());
            UseDesignColours(menu);
            menus[entry.name] = menu;
            continue;
        }
        QMenu *menu = menus.at(entry.parent);
        const bool separator = entry.caption == std::string_view("-");
        QAction *action = separator ? menu->addSeparator() : menu->addAction(tr(entry.caption));
        action->setObjectName(entry.name.toString());
        action->setShortcut(QKeySequence(entry.shortcut.toString()));
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
        action->setEnabled(entry.enabled);
        if (const Handler handler = entry.handler)
            Connect(*this, action, [this, handler] { handler(*this); });
    }
}

void frmMain::BuildToolBar()
{
    tlbMain = new QToolBar(mClient);
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setIconSize(QSize(16, 15));
    tlbMain->setMovable(false);
    tlbMain->setFloatable(false);
    for (const ToolEntry &entry : kToolButtons) {
        if (entry.key.isEmpty()) {
            tlbMain->addSeparator();
            continue;
        }
        const QString key = entry.key.toString();
        QAction *action = tlbMain->addAction(LoadToolBarImage(key), QString());
        action->setObjectName(QStringLiteral("tlbMain.") + key);
        action->setData(key);
        action->setToolTip(tr(entry.toolTip));
        action->setCheckable(entry.checkable);
        action->setEnabled(entry.enabled);
        Connect(*this, action, [this, key] { tlbMain_ButtonClick(key); });
        tlbMain->widgetForAction(action)->setAccessibleName(tr(entry.toolTip));
    }
    tlbMain->setGeometry(0, 0, mClient->width(), tlbMain->sizeHint().height());
}

void frmMain::cmdThrow_Click()
{
    if (PersonLockedOut())
        HurryComputer();
    else
        mGame.cmdThrow_Click();
}

void frmMain::ScoreCategory(QStringView label)
{
    if (PersonLockedOut())
        return;
    mGame.RecordScore(label);
    cmdThrow->setFocus();
}

void frmMain::fraDie_Click(int index)
{
    Trap([&] {
        if (!mGame.mblnCanHold || PersonLockedOut())
            return;
        Shape *marker = DieAt(index).shpHold;
        const bool held = !marker->isHidden();
        if (gblnPlaySound)
            basWave::PlayWave(held ? QStringLiteral("UNHOLD") : QStringLiteral("HOLD"));
        marker->setVisible(!held);
        DescribeDie(index);
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
            QTimer::singleShot(kHintWaitMs, this, [this] {
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
    mGame.StartNewGame();
}

void frmMain::mnuGameHighScores_Click()
{
    Trap([&] {
        frmScores scores(this);
        scores.exec();
    });
}

void frmMain::mnuEditUndo_Click()
{
    mGame.UndoLastScore();
}

void frmMain::ShowOptions(int page)
{
    Trap([&] {
        frmOptions options(*this, page);
        options.exec();
    });
}

void frmMain::SetSoundsButton(bool pressed)
{
    Trap([&] { ToolButton(QStringLiteral("Sounds"))->setChecked(pressed); });
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
    Trap([&] {
        frmAbout about(this);
        about.exec();
    });
}

void frmMain::mnuViewScoreCard_Click()
{
    Trap([&] {
        if (!mScoreCard)
            mScoreCard = new frmScoreCard(this, [this] { mGame.StartNewGame(); });
        mScoreCard->Refresh(mGame.mstrState == u"Game Over", mGame.mlblLastScored, mGame.LastScorer());
        mScoreCard->ShowBeside();
    });
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

void frmMain::tlbMain_ButtonClick(const QString &key)
{
    Trap([&] {
        for (const ToolEntry &entry : kToolButtons) {
            if (!entry.key.isEmpty() && entry.key == key) {
                entry.handler(*this);
                return;
            }
        }
    });
}

void frmMain::ToggleSounds()
{
    gblnPlaySound = !gblnPlaySound;
    SetSoundsButton(gblnPlaySound);
}

} // namespace quoxa
