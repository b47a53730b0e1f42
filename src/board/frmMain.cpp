#include "board/frmMain.h"
#include "board/BoardPictures.h"
#include "board/Shape.h"
#include "board/Twips.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmQuoxa.h"
#include "scores/frmScores.h"
#include "settings/frmOptions.h"
#include "platform/ErrorTrap.h"
#include "platform/basHelp.h"
#include "platform/basWave.h"
#include "settings/ColorValue.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <map>

namespace quoxa {
namespace {

const QColor kBoardGrey(192, 192, 192);
const QColor kOutlineGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);

QString Indexed(const QString &name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

void Paint(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The menu bar: top-level menus have no parent; a caption of "-" is a separator.
using Handler = void (*)(frmMain &);
struct MenuEntry {
    QStringView name;
    QStringView parent;
    QStringView caption;
    QStringView shortcut;
    bool checked;
    bool enabled;
    Handler handler;
};

const auto kMenus = std::to_array<MenuEntry>({
    {u"mnuGame", u"", u"&Game", u"", false, true, nullptr},
    {u"mnuGameNew", u"mnuGame", u"&New", u"F2", false, true, [](frmMain &f) { f.mnuGameNew_Click(); }},
    {u"mnuGameSep1", u"mnuGame", u"-", u"", false, true, nullptr},
    {u"mnuGameHighScores", u"mnuGame", u"&High Scores...", u"", false, true,
     [](frmMain &f) { f.mnuGameHighScores_Click(); }},
    {u"mnuGameSep2", u"mnuGame", u"-", u"", false, true, nullptr},
    {u"mnuGameExit", u"mnuGame", u"E&xit", u"", false, true, [](frmMain &f) { f.mnuGameExit_Click(); }},
    {u"mnuEdit", u"", u"&Edit", u"", false, true, nullptr},
    {u"mnuEditUndo", u"mnuEdit", u"&Undo Last Score", u"", false, false, [](frmMain &f) { f.mnuEditUndo_Click(); }},
    {u"mnuOptions", u"", u"&Options", u"", false, true, nullptr},
    {u"mnuOptionsColors", u"mnuOptions", u"&Colors", u"", false, true, [](frmMain &f) { f.mnuOptionsColors_Click(); }},
    {u"mnuOption(1)", u"mnuOptions", u"&Players", u"", false, true, [](frmMain &f) { f.mnuOption_Click(1); }},
    {u"mnuOption(2)", u"mnuOptions", u"&Sounds", u"", false, true, [](frmMain &f) { f.mnuOption_Click(2); }},
    {u"mnuView", u"", u"&View", u"", false, true, nullptr},
    {u"mnuViewStatusBar", u"mnuView", u"&Status Bar", u"", true, true,
     [](frmMain &f) { f.mnuViewStatusBar_Click(); }},
    {u"mnuViewToolbar", u"mnuView", u"&Toolbar", u"", true, true, [](frmMain &f) { f.mnuViewToolbar_Click(); }},
    {u"mnuHelp", u"", u"&Help", u"", false, true, nullptr},
    {u"mnuHelpContents", u"mnuHelp", u"&Contents", u"F1", false, true, [](frmMain &f) { f.mnuHelpContents_Click(); }},
    {u"mnuHelpIndex", u"mnuHelp", u"&Index", u"", false, true, [](frmMain &f) { f.mnuHelpIndex_Click(); }},
    {u"mnuHelpLicense", u"mnuHelp", u"&License Agreement", u"", false, true,
     [](frmMain &f) { f.mnuHelpLicense_Click(); }},
    {u"mnuHelpSep1", u"mnuHelp", u"-", u"", false, true, nullptr},
    {u"mnuHelpAbout", u"mnuHelp", u"&About Quoxa...", u"", false, true, [](frmMain &f) { f.mnuHelpAbout_Click(); }},
});

// The tool bar, left to right; an entry without a key is a separator.
struct ToolEntry {
    QStringView key;
    QStringView toolTip;
    bool checkable;
    bool enabled;
};

const std::array<ToolEntry, 11> kToolButtons{{
    {u"New", u"Start New Game", false, true},
    {u"Scores", u"Display High Scores", false, true},
    {u"", u"", false, true},
    {u"Undo", u"Undo Last Score", false, false},
    {u"", u"", false, true},
    {u"Colors", u"Change Dice Colors", false, true},
    {u"Players", u"Change Players", false, true},
    {u"Sounds", u"Toggle Sounds", true, true},
    {u"", u"", false, true},
    {u"About", u"Display Program Information", false, true},
    {u"Exit", u"Exit Game", false, true},
}};

// What each tool-bar button does, looked up by its key in this order.
struct ToolAction {
    QStringView key;
    Handler handler;
};
const auto kToolActions = std::to_array<ToolAction>({
    {u"New", [](frmMain &f) { f.mnuGameNew_Click(); }},
    {u"Scores", [](frmMain &f) { f.mnuGameHighScores_Click(); }},
    {u"Undo", [](frmMain &f) { f.mnuEditUndo_Click(); }},
    {u"Colors", [](frmMain &f) { f.ShowOptions(frmOptions::Colors); }},
    {u"Players", [](frmMain &f) { f.ShowOptions(frmOptions::Players); }},
    {u"Sounds", [](frmMain &f) { f.ToggleSounds(); }},
    {u"About", [](frmMain &f) { f.mnuHelpAbout_Click(); }},
    {u"Exit", [](frmMain &f) { f.mnuGameExit_Click(); }},
});

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

// Pip places inside a die, in twips.
constexpr std::array<QPoint, 7> kPipPlaces{{
    {75, 75}, {300, 75}, {525, 75}, {300, 300}, {75, 525}, {300, 525}, {525, 525}}};

// The score sheet: value-label tops down each column, in twips. The rows themselves come
// from the engine's sheet, in the same order.
constexpr std::array<int, 9> kLeftTops{300, 675, 1050, 1425, 1800, 2175, 2625, 3000, 3450};
constexpr std::array<int, 9> kRightTops{300, 675, 1050, 1425, 1800, 2175, 2550, 3000, 3450};
struct SheetColumn {
    int captionLeft, captionWidth, valueLeft;
    const std::array<int, 9> &tops;
};
const std::array<SheetColumn, 2> kColumns{{{225, 1005, 1350, kLeftTops}, {2250, 1155, 3525, kRightTops}}};

// The grey frames that group the sheet's rows.
constexpr std::array<QRect, 6> kSheetFrames{{
    {150, 225, 1890, 2340}, {150, 2550, 1890, 840}, {150, 3375, 1890, 465},
    {2175, 225, 2040, 2715}, {2175, 2925, 2040, 465}, {2175, 3375, 2040, 465}}};

struct PanelText {
    QStringView state;
    QStringView instruction;
    bool showCount;
};
const std::array<PanelText, 6> kPanelTexts{{
    {u"Throw 0", u"Throw the dice.", true},
    {u"Throw 1", u"Hold dice then throw again, or select score score category.", true},
    {u"Throw 2", u"Hold dice then throw again, or select score score category.", true},
    {u"Throw 3", u"Select score category.", true},
    {u"Continue", u"Press 'Continue', or press 'Undo' button to undo last score.", true},
    {u"Game Over", u"Game Over.", false},
}};

// Turns a press and release of the left button inside a widget into a click.
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget *widget, std::function<void()> onClick) : QObject(widget), mOnClick(std::move(onClick))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonRelease)
            return event->type() == QEvent::MouseButtonPress;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *widget = static_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
            mOnClick();
        return true;
    }

private:
    std::function<void()> mOnClick;
};

} // namespace

frmMain::frmMain(RandomSource *random)
    : mOwnRandom(random ? nullptr : std::make_unique<ClockRandomSource>()),
      mGame(*this, random ? *random : *mOwnRandom)
{
    setObjectName(QStringLiteral("frmMain"));
    InstallFonts();
    setWindowIcon(LoadProgramIcon());
    Paint(this, kBoardGrey);
    mClient = new QWidget(this);
    mClient->setObjectName(QStringLiteral("client"));
    mClient->setFixedSize(TwipsSize(7215, 6105));
    setCentralWidget(mClient);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // A fixed board: it can be minimised and closed, never maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildPlayers();
    BuildScoreSheet();
    BuildDice();

    cmdThrow = new QPushButton(mClient);
    cmdThrow->setObjectName(QStringLiteral("cmdThrow"));
    cmdThrow->setIconSize(QSize(76, 76));
    connect(cmdThrow, &QPushButton::clicked, this, &frmMain::cmdThrow_Click);

    // The board block starts right under the tool bar.
    const int blockOffset = tlbMain->height() - Px(375);
    const std::array<std::pair<QWidget *, QRect>, 3> blockParts{{
        {fraPlayers, TwipsRect(75, 375, 2640, 3990)},
        {fraScore, TwipsRect(2775, 375, 4365, 3990)},
        {cmdThrow, TwipsRect(5700, 4500, 1140, 1140)},
    }};
    for (const auto &[widget, place] : blockParts)
        widget->setGeometry(place.translated(0, blockOffset));
    for (int i = 1; i <= 5; ++i) {
        const int step = 1050 * (i - 1);
        DieAt(i).fraDie->setGeometry(TwipsRect(375 + step, 4650, 765, 765).translated(0, blockOffset));
        DieAt(i).shpHold->setGeometry(TwipsRect(300 + step, 4575, 915, 915).translated(0, blockOffset));
    }

    Form_Load();
    cmdThrow->setFocus();
    layout()->activate();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

frmMain::~frmMain() = default;

void frmMain::BuildMenus()
{
    std::map<QStringView, QMenu *> menus;
    for (const MenuEntry &entry : kMenus) {
        if (entry.parent.isEmpty()) {
            QMenu *menu = menuBar()->addMenu(entry.caption.toString());
            menu->setObjectName(entry.name.toString());
            menus[entry.name] = menu;
            continue;
        }
        QMenu *menu = menus.at(entry.parent);
        QAction *action = entry.caption == u"-" ? menu->addSeparator() : menu->addAction(entry.caption.toString());
        action->setObjectName(entry.name.toString());
        action->setShortcut(QKeySequence(entry.shortcut.toString()));
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
        action->setEnabled(entry.enabled);
        if (const Handler handler = entry.handler) {
            // The handler decides the check mark: undo the toggle Qt makes on its own.
            connect(action, &QAction::triggered, this, [this, action, handler] {
                if (action->isCheckable())
                    action->setChecked(!action->isChecked());
                handler(*this);
            });
        }
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
        action->setToolTip(entry.toolTip.toString());
        action->setCheckable(entry.checkable);
        action->setEnabled(entry.enabled);
        connect(action, &QAction::triggered, this, [this, action, key] {
            if (action->isCheckable())
                action->setChecked(!action->isChecked());
            tlbMain_ButtonClick(key);
        });
    }
    tlbMain->setGeometry(0, 0, mClient->width(), tlbMain->sizeHint().height());
}

void frmMain::BuildStatusBar()
{
    stbMain = new QStatusBar(mClient);
    stbMain->setObjectName(QStringLiteral("stbMain"));
    stbMain->setSizeGripEnabled(false);
    const std::array<std::pair<int, int>, 2> widths{{{5415, 1440}, {1500, 1500}}};
    const std::array<QString, 2> designTexts{QStringLiteral("Throw the dice."), QStringLiteral("Rolls Remaining: 3")};
    for (int i = 0; i < 2; ++i) {
        QLabel *panel = new QLabel(designTexts[static_cast<std::size_t>(i)], stbMain);
        panel->setObjectName(Indexed(QStringLiteral("stbMain"), i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(Px(widths[static_cast<std::size_t>(i)].second));
        panel->setFixedWidth(Px(widths[static_cast<std::size_t>(i)].first));
        stbMain->addWidget(panel);
        mPanels[static_cast<std::size_t>(i)] = panel;
    }
    const QRect place = TwipsRect(0, 5730, 7215, 375);
    stbMain->setGeometry(0, mClient->height() - place.height(), mClient->width(), place.height());
}

void frmMain::BuildPlayers()
{
    fraPlayers = new QGroupBox(QStringLiteral("Players"), mClient);
    fraPlayers->setObjectName(QStringLiteral("fraPlayers"));
    lvwPlayers = new QTreeWidget(fraPlayers);
    lvwPlayers->setObjectName(QStringLiteral("lvwPlayers"));
    lvwPlayers->setGeometry(TwipsRect(50, 225, 2550, 3615));
    lvwPlayers->setColumnCount(2);
    lvwPlayers->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Score")});
    lvwPlayers->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    lvwPlayers->setColumnWidth(0, Px(1700));
    lvwPlayers->setColumnWidth(1, Px(800));
    lvwPlayers->setRootIsDecorated(false);
    lvwPlayers->setSortingEnabled(false);
    // The selected row marks whose turn it is, and only the game moves it: the player
    // cannot select another row, and the marker stays lit without the keyboard focus.
    lvwPlayers->setSelectionMode(QAbstractItemView::NoSelection);
    lvwPlayers->setFocusPolicy(Qt::NoFocus);
    QPalette palette = lvwPlayers->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    lvwPlayers->setPalette(palette);
}

void frmMain::BuildScoreSheet()
{
    fraScore = new QGroupBox(QStringLiteral("Score"), mClient);
    fraScore->setObjectName(QStringLiteral("fraScore"));
    for (std::size_t i = 0; i < kSheetFrames.size(); ++i) {
        const QRect r = kSheetFrames[i];
        Shape *frame = new Shape(Shape::Kind::Rectangle, fraScore, 3, kOutlineGrey);
        frame->setObjectName(Indexed(QStringLiteral("shpShapes"), static_cast<int>(i)));
        frame->setGeometry(TwipsRect(r.x(), r.y(), r.width(), r.height()));
    }
    std::array<std::size_t, 2> rowInColumn{};
    Pointers pointers;
    for (const SheetRow &row : kScoreSheet) {
        const std::size_t column = static_cast<std::size_t>(row.section - 1);
        const SheetColumn &geometry = kColumns[column];
        const int top = geometry.tops[rowInColumn[column]++];

        QLabel *caption = new QLabel(row.caption.toString(), fraScore);
        caption->setObjectName(Indexed(QStringLiteral("lblLabels"), row.captionIndex));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(TwipsRect(geometry.captionLeft, top, geometry.captionWidth, 315));

        QLabel *value = new QLabel(fraScore);
        value->setObjectName(row.label.toString());
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setGeometry(TwipsRect(geometry.valueLeft, top, 540, 315));
        value->setMargin(1);
        Paint(value, row.isCategory() ? kWhite : kBoardGrey);
        if (row.isCategory()) {
            SetPointer(value, QStringLiteral("PENCIL"), pointers);
            // Every category's Click: score it with this label.
            new ClickFilter(value, [this, label = row.label] { mGame.RecordScore(label); });
        } else {
            value->setText(QStringLiteral("0"));
        }
    }
}

void frmMain::BuildDice()
{
    for (int i = 1; i <= 5; ++i) {
        Die &die = DieAt(i);
        die.fraDie = new QFrame(mClient);
        new ClickFilter(die.fraDie, [this, i] { fraDie_Click(i); });
        die.fraDie->setObjectName(Indexed(QStringLiteral("fraDie"), i));
        Paint(die.fraDie, kBoardGrey);

        die.shpDie = new Shape(Shape::Kind::RoundedSquare, die.fraDie);
        die.shpDie->setObjectName(Indexed(QStringLiteral("shpDie"), i));
        die.shpDie->setGeometry(TwipsRect(0, 0, 765, 765));

        for (std::size_t p = 0; p < kPipPlaces.size(); ++p) {
            Shape *pip = new Shape(Shape::Kind::Circle, die.fraDie);
            pip->setObjectName(Indexed(QStringLiteral("shpPip%1").arg(p + 1), i));
            pip->setGeometry(TwipsRect(kPipPlaces[p].x(), kPipPlaces[p].y(), 165, 165));
            pip->hide();
            die.shpPip[p] = pip;
        }

        die.lblQuestion = new QLabel(QStringLiteral("?"), die.fraDie);
        die.lblQuestion->setObjectName(Indexed(QStringLiteral("lblQuestion"), i));
        die.lblQuestion->setAlignment(Qt::AlignCenter);
        die.lblQuestion->setGeometry(TwipsRect(0, 0, 765, 765));
        die.lblQuestion->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(32.25);
        font.setBold(true);
        die.lblQuestion->setFont(font);

        die.shpHold = new Shape(Shape::Kind::Rectangle, mClient, 3);
        die.shpHold->setObjectName(Indexed(QStringLiteral("shpHold"), i));
        die.shpHold->hide();
    }
}

void frmMain::Form_Load()
{
    Trap([&] {
        setWindowTitle(kAppTitle);
        basRegistry::LoadSettings();
        SetColor(QStringLiteral("Die"));
        SetColor(QStringLiteral("Pip"));
        mGame.StartNewGame();
        SetSoundsButton(gblnPlaySound);
    });
}

void frmMain::Form_Unload()
{
    Trap([] { basRegistry::SaveSettings(); });
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!mUnloaded) {
        mUnloaded = true;
        Form_Unload();
    }
    event->accept();
}

void frmMain::SetColor(const QString &strObject)
{
    Trap([&] {
        if (strObject == u"Die") {
            for (int i = 1; i <= 5; ++i)
                DieAt(i).shpDie->setFillColor(ColorFromStored(glngDieColor));
        } else if (strObject == u"Pip") {
            const QColor pip = ColorFromStored(glngPipColor);
            for (int i = 1; i <= 5; ++i) {
                for (Shape *shape : DieAt(i).shpPip)
                    shape->setFillColor(pip);
                QPalette palette = DieAt(i).lblQuestion->palette();
                palette.setColor(QPalette::WindowText, pip);
                DieAt(i).lblQuestion->setPalette(palette);
            }
        }
    });
}

// --- Handlers -------------------------------------------------------------------------

void frmMain::cmdThrow_Click()
{
    mGame.cmdThrow_Click();
}

void frmMain::fraDie_Click(int index)
{
    Trap([&] {
        if (!mGame.mblnCanHold)
            return;
        Shape *marker = DieAt(index).shpHold;
        const bool held = !marker->isHidden();
        if (gblnPlaySound)
            basWave::PlayWave(held ? QStringLiteral("UNHOLD") : QStringLiteral("HOLD"));
        marker->setVisible(!held);
    });
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

void frmMain::mnuOptionsColors_Click()
{
    ShowOptions(frmOptions::Colors);
}

void frmMain::mnuOption_Click(int index)
{
    ShowOptions(index);
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
        for (const ToolAction &action : kToolActions) {
            if (action.key == key) {
                action.handler(*this);
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

std::vector<QWidget *> frmMain::Block() const
{
    std::vector<QWidget *> block{fraPlayers, fraScore};
    for (const Die &die : mDice)
        block.push_back(die.fraDie);
    for (const Die &die : mDice)
        block.push_back(die.shpHold);
    block.push_back(cmdThrow);
    return block;
}

void frmMain::ResizeClient(int dy)
{
    mClient->setFixedHeight(mClient->height() + dy);
    stbMain->move(0, mClient->height() - stbMain->height());
    layout()->activate();
}

// --- Board ----------------------------------------------------------------------------

frmMain::Die &frmMain::DieAt(int die)
{
    if (die < 1 || die > 5)
        throw RunError::SubscriptOutOfRange();
    return mDice[static_cast<std::size_t>(die - 1)];
}

const frmMain::Die &frmMain::DieAt(int die) const
{
    return const_cast<frmMain *>(this)->DieAt(die);
}

QLabel *frmMain::SheetLabel(QStringView name) const
{
    QLabel *label = fraScore->findChild<QLabel *>(name.toString(), Qt::FindDirectChildrenOnly);
    if (!label)
        throw RunError(424, QStringLiteral("Object required"));
    return label;
}

QAction *frmMain::Action(const QString &name) const
{
    QAction *action = findChild<QAction *>(name);
    if (!action)
        throw RunError(424, QStringLiteral("Object required"));
    return action;
}

QAction *frmMain::ToolButton(const QString &key) const
{
    return Action(QStringLiteral("tlbMain.") + key);
}

QString frmMain::DieTag(int die) const
{
    return DieAt(die).shpDie->tag();
}

void frmMain::SetDieTag(int die, const QString &tag)
{
    DieAt(die).shpDie->setTag(tag);
}

bool frmMain::IsHeld(int die) const
{
    return !DieAt(die).shpHold->isHidden();
}

void frmMain::ShowFace(int die, int value)
{
    Trap([&] {
        if (value < 1 || value > 6)
            throw RunError::SubscriptOutOfRange();
        const auto &face = kFaces[static_cast<std::size_t>(value - 1)];
        for (std::size_t p = 0; p < face.size(); ++p)
            DieAt(die).shpPip[p]->setVisible(face[p]);
    });
}

void frmMain::ReleaseHolds()
{
    Trap([&] {
        for (Die &die : mDice)
            die.shpHold->hide();
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
    SetPointer(label, mGame.mblnCanScore && value == PlayerSheet::kUnscored ? QStringLiteral("PENCIL") : QString(),
               pointers);
}

void frmMain::RefreshPointers()
{
    Trap([&] {
        const PlayerSheet &sheet = gudtPlayer(mGame.mintPlayer.value());
        Pointers pointers;
        for (const SheetRow &row : kScoreSheet)
            if (row.isCategory())
                SetCategoryPointer(SheetLabel(row.label), sheet.*row.field, pointers);
        for (Die &die : mDice)
            SetPointer(die.fraDie, mGame.mblnCanHold ? QStringLiteral("HAND") : QString(), pointers);
    });
}

void frmMain::ShowStatusText()
{
    Trap([&] {
        for (const PanelText &texts : kPanelTexts) {
            if (texts.state != mGame.mstrState)
                continue;
            mPanels[0]->setText(texts.instruction.toString());
            mPanels[1]->setText(texts.showCount ? QStringLiteral("Rolls Remaining: ") + mGame.mintRolls.toString()
                                                : QString());
        }
    });
}

void frmMain::SetThrowButtonFace(const QString &name)
{
    Trap([&] {
        // The button remembers which picture it shows: the same one is not loaded again.
        if (cmdThrow->property("Picture").toString() == name)
            return;
        cmdThrow->setIcon(LoadButtonPicture(name, cmdThrow->devicePixelRatioF()));
        cmdThrow->setProperty("Picture", name);
    });
}

void frmMain::ShowQuestionMarks(bool show)
{
    Trap([&] {
        for (Die &die : mDice) {
            die.lblQuestion->setVisible(show);
            if (show)
                for (Shape *pip : die.shpPip)
                    pip->hide();
        }
    });
}

void frmMain::SetUndoEnabled(bool enabled)
{
    Trap([&] {
        Action(QStringLiteral("mnuEditUndo"))->setEnabled(enabled);
        ToolButton(QStringLiteral("Undo"))->setEnabled(enabled);
    });
}

void frmMain::ShowScoreCell(QStringView label, Int16 value)
{
    Trap([&] {
        QLabel *cell = SheetLabel(label);
        const bool empty = value == PlayerSheet::kUnscored;
        Paint(cell, empty ? kWhite : kBoardGrey);
        cell->setText(empty ? QString() : value.toString());
        SetPointer(cell, QString());
    });
}

void frmMain::ReopenScoreCell(QStringView label)
{
    Trap([&] {
        QLabel *cell = SheetLabel(label);
        cell->setText(QString());
        Paint(cell, kWhite);
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
    });
}

void frmMain::SelectPlayerRow(int row)
{
    Trap([&] {
        QTreeWidgetItem *item = lvwPlayers->topLevelItem(row - 1);
        if (!item)
            throw RunError(35600, QStringLiteral("Index out of bounds"));
        lvwPlayers->clearSelection();
        item->setSelected(true);
    });
}

void frmMain::SetPlayerScore(int row, const QString &score)
{
    Trap([&] {
        QTreeWidgetItem *item = lvwPlayers->topLevelItem(row - 1);
        if (!item)
            throw RunError(35600, QStringLiteral("Index out of bounds"));
        item->setText(1, score);
    });
}

void frmMain::ShowCelebration()
{
    Trap([&] {
        frmQuoxa celebration(this);
        celebration.exec();
    });
}

bool frmMain::SaveScore(const QString &name, Int16 score)
{
    return frmScores::SaveScore(name, score);
}

void frmMain::ShowNewHighScores()
{
    Trap([&] {
        QApplication::processEvents();
        frmScores::blnNewHighScore = true;
        frmScores scores(this);
        scores.exec();
    });
}

} // namespace quoxa
