// The board window itself: its controls and their places, start-up, closing and colours.
#include "board/frmMain.h"
#include "analysis/frmReview.h"
#include "analysis/frmScoreCard.h"
#include "analysis/frmStatistics.h"
#include "board/ClickFilter.h"
#include "board/ComputerPlayer.h"
#include "board/PictureButton.h"
#include "board/PlayersList.h"
#include "board/Shape.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "settings/ColorValue.h"
#include "settings/basMain.h"
#include "settings/basRegistry.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <utility>

namespace quoxa {
namespace {

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


} // namespace

frmMain::frmMain(RandomSource *random)
    : mOwnRandom(random ? nullptr : std::make_unique<ClockRandomSource>()),
      mGame(*this, random ? *random : *mOwnRandom)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(LoadProgramIcon());
    UseDesignColours(this);
    mClient = new QWidget(this);
    mClient->setObjectName(QStringLiteral("client"));
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

    cmdThrow = Place(new PictureButton(mClient), QStringLiteral("cmdThrow"), {5700, 4500, 1140, 1140});
    PressOnReturn(cmdThrow);
    connect(cmdThrow, &QPushButton::clicked, this, &frmMain::cmdThrow_Click);
    // Tab goes from the throw button through the open categories in sheet order, the dice
    // and back.
    QWidget *previous = cmdThrow;
    for (const SheetRow &row : kScoreSheet) {
        if (!row.isCategory())
            continue;
        setTabOrder(previous, SheetLabel(row.label));
        previous = SheetLabel(row.label);
    }
    for (int i = 1; i <= 5; ++i)
        setTabOrder(std::exchange(previous, DieAt(i).fraDie), DieAt(i).fraDie);
    setTabOrder(previous, lvwPlayers);
    setTabOrder(lvwPlayers, cmdThrow);

    SizeBoard();

    mComputer = new ComputerPlayer(this, mGame,
                                   {.cmdThrow = [this] { cmdThrow_Click(); },
                                    .fraDie = [this](int die) { fraDie_Click(die); },
                                    .score = [this](QStringView label) { ScoreCategory(label); },
                                    .told = [this] {
                                        ShowTurnText();
                                        Tell(mComputer->Told());
                                    },
                                    .moves = [this] { return !mOnline || mOnline->Moves(); },
                                    .standIn = [this] { return mOnline ? mOnline->AwayLevel(mGame.turn().mintPlayer.value()) : 0; }});
    Form_Load();
    cmdThrow->setFocus();
    layout()->activate();
    // The zoom the player chose, or the desktop's font's when none was chosen.
    mDesktopZoom = DesktopZoom();
    Trap([&] { ZoomBoard(gintZoom ? gintZoom : mDesktopZoom); });
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

frmMain::~frmMain() = default;

bool frmMain::event(QEvent *event)
{
    // While a window is open over the board, nothing of the game moves.
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked)
        mComputer->SetBlocked(event->type() == QEvent::WindowBlocked);
    // A desktop's font set anew once the game runs: the board follows it, unless a zoom was
    // chosen.
    if (event->type() == QEvent::ApplicationFontChange && DesktopZoom() != std::exchange(mDesktopZoom, DesktopZoom()) && !gintZoom)
        Trap([&] { ZoomBoard(mDesktopZoom); });
    // Once the board is on the screen, the best play is worked out behind it.
    if (event->type() == QEvent::Paint && !mSolvingAsked) {
        mSolvingAsked = true;
        QTimer::singleShot(100, this, [] { Strategy::Prepare(); });
    }
    return QMainWindow::event(event);
}

void frmMain::BuildStatusBar()
{
    stbMain = new QStatusBar(mClient);
    stbMain->setObjectName(QStringLiteral("stbMain"));
    stbMain->setSizeGripEnabled(false);
    const std::array<QString, 2> designTexts{tr("Throw the dice."), tr("Rolls Remaining: %1").arg(3)};
    for (int i = 0; i < 2; ++i) {
        QLabel *panel = new QLabel(designTexts[static_cast<std::size_t>(i)], stbMain);
        panel->setObjectName(Indexed(QStringLiteral("stbMain"), i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText); // players' names are text, never markup
        stbMain->addWidget(panel);
        mPanels[static_cast<std::size_t>(i)] = panel;
    }
}

void frmMain::BuildPlayers()
{
    fraPlayers = Place(new QGroupBox(tr("Players"), mClient), QStringLiteral("fraPlayers"), {75, 375, 2640, 3990});
    lvwPlayers = Place(new PlayersList(fraPlayers), QStringLiteral("lvwPlayers"), {50, 225, 2550, 3615});
    lvwPlayers->setHeaderLabels({tr("Name"), tr("Score")});
    lvwPlayers->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    lvwPlayers->setAccessibleName(tr("Players"));
}

void frmMain::BuildScoreSheet()
{
    fraScore = Place(new QGroupBox(tr("Score"), mClient), QStringLiteral("fraScore"), {2775, 375, 4365, 3990});
    for (std::size_t i = 0; i < kSheetFrames.size(); ++i)
        Place(new Shape(Shape::Kind::Rectangle, fraScore, 3, kOutlineGrey), Indexed(QStringLiteral("shpShapes"), static_cast<int>(i)),
              kSheetFrames[i]);
    std::array<std::size_t, 2> rowInColumn{};
    Pointers pointers;
    for (const SheetRow &row : kScoreSheet) {
        const std::size_t column = static_cast<std::size_t>(row.section - 1);
        const SheetColumn &geometry = kColumns[column];
        const int top = geometry.tops[rowInColumn[column]++];

        QLabel *caption = Place(new QLabel(Caption(row), fraScore), Indexed(QStringLiteral("lblLabels"), row.captionIndex),
                                {geometry.captionLeft, top, geometry.captionWidth, 315});
        // Against its box whichever way the board reads, and whichever way its text reads:
        // "Quoxa" stays Latin among Arabic or Hebrew captions.
        caption->setAlignment(Qt::AlignAbsolute | (caption->isRightToLeft() ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);

        QLabel *value = Place(new QLabel(fraScore), row.label.toString(), {geometry.valueLeft, top, 540, 315});
        // Every category's Click: score it with this label; then the throw button has the
        // focus. (Made first: a screen reader meets it as a button from the start.)
        if (row.isCategory())
            new ClickFilter(value, [this, label = row.label] { ScoreCategory(label); },
                            [this, label = row.label](bool resting) { PreviewScore(label, resting); });
        value->setAccessibleName(RowName(row));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setMargin(1);
        Paint(value, row.isCategory() ? kDesignWhite : kDesignGrey);
        if (row.isCategory()) {
            SetPointer(value, QStringLiteral("PENCIL"), pointers);
        } else {
            value->setText(QStringLiteral("0"));
        }
    }
}

void frmMain::BuildDice()
{
    for (int i = 1; i <= 5; ++i) {
        Die &die = DieAt(i);
        const int step = 1050 * (i - 1);
        die.fraDie = Place(new QFrame(mClient), Indexed(QStringLiteral("fraDie"), i), {375 + step, 4650, 765, 765});
        die.fraDie->setFocusPolicy(Qt::TabFocus);
        // The die covers its frame: the focus shows as a dotted square round it and its hold
        // marker, as plain as a box's frame and nothing like the marker.
        die.shpFocus = Place(new Shape(Shape::Kind::Rectangle, mClient, 2), Indexed(QStringLiteral("shpFocus"), i),
                             {255 + step, 4530, 1005, 1005});
        die.shpFocus->setLineStyle(Qt::DotLine);
        die.shpFocus->hide();
        new ClickFilter(die.fraDie, [this, i] { fraDie_Click(i); }, {}, die.shpFocus);
        Paint(die.fraDie, kDesignGrey);
        die.shpDie = Place(new Shape(Shape::Kind::RoundedSquare, die.fraDie), Indexed(QStringLiteral("shpDie"), i), {0, 0, 765, 765});
        for (std::size_t p = 0; p < kPipPlaces.size(); ++p) {
            die.shpPip[p] = Place(new Shape(Shape::Kind::Circle, die.fraDie), Indexed(QStringLiteral("shpPip%1").arg(p + 1), i),
                                  {kPipPlaces[p].x(), kPipPlaces[p].y(), 165, 165});
            die.shpPip[p]->hide();
        }
        die.lblQuestion = Place(new QLabel(QStringLiteral("?"), die.fraDie), Indexed(QStringLiteral("lblQuestion"), i), {0, 0, 765, 765});
        die.lblQuestion->setAlignment(Qt::AlignCenter);
        die.lblQuestion->setAttribute(Qt::WA_TransparentForMouseEvents);
        UseDesignFont(die.lblQuestion, u"Arial", 32.25, true);

        die.shpHold = Place(new Shape(Shape::Kind::Rectangle, mClient, 3), Indexed(QStringLiteral("shpHold"), i), {300 + step, 4575, 915, 915});
        die.shpHold->hide();
        // The Hint's mark of a die to keep: a dot under it, nothing like a hold marker.
        die.shpHint = Place(new Shape(Shape::Kind::Circle, mClient, 1), Indexed(QStringLiteral("shpHint"), i), {682 + step, 5520, 150, 150});
        die.shpHint->setFillColor(kHintColour);
        die.shpHint->hide();
    }
}

void frmMain::Form_Load()
{
    Trap([&] {
        setWindowTitle(kAppTitle);
        basRegistry::LoadSettings();
        SetColor(QStringLiteral("Die"));
        SetColor(QStringLiteral("Pip"));
        StartNewGame();
        // The game under way when the game was last closed or cut short, as it was; the
        // options follow its players.
        const std::optional<GameRecord> kept = mKeeper.Resume();
        if (kept && kept->shared && !kept->shared->game.isEmpty() && !kept->shared->me.isEmpty())
            QTimer::singleShot(0, this, [this, shared = *kept->shared] { ReturnOnline(shared); });
        if (kept && !kept->shared) { // a game online is not played on alone: its copy goes back to it
            mGame.Resume(*kept);
            const Players &players = mGame.players();
            gintPlayerCount = players.count;
            gblnComputer = players.computer;
            std::copy_n(players.names.begin(), players.count.value(), gstrPlayerName.begin()); // the others' stay
            for (std::size_t i = 0; i < players.level.size(); ++i)
                if (players.computer[i]) // a person's level stays as chosen
                    gintComputerLevel[i] = players.level[i];
        }
        mKeeping = true;
        SetSoundsButton(gblnPlaySound);
    });
}

void frmMain::Form_Unload()
{
    // Nothing of the game moves after this: not the computer, the Hint, nor a figure window.
    mComputer->Stop();
    mHintWaiting = false;
    for (QWidget *window : std::initializer_list<QWidget *>{mScoreCard, mStatistics, mReview})
        if (window)
            window->close();
    Trap([&] { mKeeper.Close(mGame.Record()); });
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

void frmMain::keyPressEvent(QKeyEvent *event)
{
    // Keys 1 to 5, on the main keyboard or the keypad, are a click on that die, and give the
    // keyboard back to the throw button: the next Space throws, whatever Tab reached before.
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_5) {
        fraDie_Click(event->key() - Qt::Key_0);
        cmdThrow->setFocus();
    } else
        QMainWindow::keyPressEvent(event);
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

std::vector<QWidget *> frmMain::Block() const
{
    std::vector<QWidget *> block{fraPlayers, fraScore};
    for (const Die &die : mDice)
        block.push_back(die.fraDie);
    for (const Die &die : mDice)
        block.insert(block.end(), {die.shpHold, die.shpHint, die.shpFocus});
    block.push_back(cmdThrow);
    return block;
}

void frmMain::ResizeClient(int dy)
{
    mClient->setFixedHeight(mClient->height() + dy);
    stbMain->move(0, mClient->height() - stbMain->height());
    layout()->activate();
}

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
        throw RunError(424, QCoreApplication::translate("ErrorTrap", "Object required"));
    return label;
}

QAction *frmMain::Action(const QString &name) const
{
    QAction *action = findChild<QAction *>(name);
    if (!action)
        throw RunError(424, QCoreApplication::translate("ErrorTrap", "Object required"));
    return action;
}

} // namespace quoxa
