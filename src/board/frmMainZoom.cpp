// The board at any size: the View menu's zoom, and the board laid out anew at it. Every
// place comes from the design's twips and every font from its points, so a new zoom is
// the same layout at another factor.
#include "analysis/frmReview.h"
#include "analysis/frmScoreCard.h"
#include "analysis/frmStatistics.h"
#include "board/frmMain.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Pictures.h"
#include "settings/basMain.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

namespace quoxa {
namespace {

// The status bar's panels, in twips: their width, and the least they shrink to. The count's
// panel is a little wider than designed, into the bar's spare room, so that the count fits
// after the longest "Rolls Remaining".
constexpr std::array<std::pair<int, int>, 2> kPanelWidths{{{5415, 1440}, {1620, 1620}}};
constexpr std::array<int, 2> kPlayerColumns{1700, 800};
constexpr QSize kClient(7215, 6105), kToolImage(240, 225), kThrowPicture(1140, 1140);
constexpr int kBarHeight = 375; // the tool bar's and the status bar's, as designed

// A window of figures made before the zoom changed is made anew when it is next shown, at
// the new zoom; one on the screen stays as it is.
template <typename Window>
void DropHidden(Window *&window)
{
    if (window && !window->isVisible())
        delete std::exchange(window, nullptr);
}

} // namespace

void frmMain::mnuViewZoomIn_Click()
{
    Trap([&] {
        ZoomBoard(ZoomStep(Zoom(), +1));
        gintZoom = Zoom(); // the zoom taken is the one kept
    });
}

void frmMain::mnuViewZoomOut_Click()
{
    Trap([&] {
        ZoomBoard(ZoomStep(Zoom(), -1));
        gintZoom = Zoom();
    });
}

void frmMain::mnuViewZoomReset_Click()
{
    Trap([&] {
        ZoomBoard(kLeastZoom);
        gintZoom = Zoom();
    });
}

void frmMain::ZoomBoard(int percent)
{
    // Whether the board has room at a zoom: its size then, its frame as it is now.
    const QScreen *screen = this->screen();
    const auto fits = [&](int zoom) {
        const QSize room = screen->availableGeometry().size();
        const QSize needs = size() * (double(zoom) / Zoom()) + (frameGeometry().size() - size());
        return needs.width() <= room.width() && needs.height() <= room.height();
    };
    int zoom = percent;
    while (screen && zoom > kLeastZoom && !fits(zoom))
        zoom = ZoomStep(zoom, -1);
    if (zoom < percent)
        mPanels[0]->setText(tr("The board at %1% would not fit on the screen: it is shown at %2%.").arg(percent).arg(zoom));
    if (zoom == Zoom())
        return;
    // The score card is as large as its table: one on the screen is made anew at the new
    // zoom, beside the board as it is then.
    const bool cardShown = mScoreCard && mScoreCard->isVisible();
    delete std::exchange(mScoreCard, nullptr);
    DropHidden(mStatistics);
    DropHidden(mReview);
    const double ratio = double(zoom) / Zoom();
    UseZoom(zoom);
    LayOutBoard();
    if (!screen)
        return;
    // Grown, the board stays on the screen: moved back as far as it went over an edge. The
    // other windows beside it that are on the screen (statistics, review, Play Online) grow
    // with it, their text and controls having grown, as far as the screen has room.
    const QRect screenRoom = screen->availableGeometry();
    const auto keepOnScreen = [&](QWidget *window) {
        const QRect frame = window->frameGeometry();
        window->move(std::clamp(frame.left(), screenRoom.left(), std::max(screenRoom.left(), screenRoom.right() + 1 - frame.width())),
                     std::clamp(frame.top(), screenRoom.top(), std::max(screenRoom.top(), screenRoom.bottom() + 1 - frame.height())));
    };
    for (QWidget *window : findChildren<QWidget *>())
        if (window->isWindow() && window->isVisible()) {
            window->resize((window->size() * ratio).boundedTo(screenRoom.size() - (window->frameGeometry().size() - window->size())));
            keepOnScreen(window);
        }
    if (isVisible())
        keepOnScreen(this);
    if (cardShown)
        ShowScoreCard(false);
}

void frmMain::LayOutBoard()
{
    Rezoom(this);
    // The pictures drawn anew at the zoom: the tool bar's, the throw button's face, the
    // players' marks and the pointers.
    for (QAction *action : tlbMain->actions())
        if (const QString key = action->data().toString(); !key.isEmpty())
            action->setIcon(LoadToolBarImage(key));
    mThrowFaces.clear();
    if (const QString face = cmdThrow->property("Picture").toString(); !face.isEmpty()) {
        cmdThrow->setProperty("Picture", QVariant());
        SetThrowButtonFace(face);
    }
    mPlayerIcons = {};
    for (int row = 0; row < lvwPlayers->topLevelItemCount(); ++row)
        lvwPlayers->topLevelItem(row)->setIcon(0, PlayerIcon(mGame.players().computer.at(std::size_t(row))));
    Pointers pointers;
    for (QWidget *control : findChildren<QWidget *>())
        if (const QString pointer = control->property("Pointer").toString(); control->property("Pointer").isValid()) {
            control->setProperty("Pointer", QVariant());
            SetPointer(control, pointer, pointers);
        }
    SizeBoard();
    layout()->activate();
}

void frmMain::SizeBoard()
{
    tlbMain->setIconSize(TwipsSize(kToolImage.width(), kToolImage.height()));
    tlbMain->setGeometry(0, 0, Px(kClient.width()), tlbMain->sizeHint().height());
    cmdThrow->setIconSize(TwipsSize(kThrowPicture.width(), kThrowPicture.height()));
    for (std::size_t i = 0; i < mPanels.size(); ++i) {
        mPanels[i]->setMinimumWidth(Px(kPanelWidths[i].second));
        mPanels[i]->setFixedWidth(Px(kPanelWidths[i].first));
    }
    for (std::size_t column = 0; column < kPlayerColumns.size(); ++column)
        lvwPlayers->setColumnWidth(int(column), Px(kPlayerColumns[column]));
    // The board block starts right under the tool bar, or where it would be when it is hidden.
    const bool toolBar = !tlbMain->isHidden(), statusBar = !stbMain->isHidden();
    const int blockOffset = (toolBar ? tlbMain->height() : 0) - Px(kBarHeight);
    for (QWidget *widget : Block())
        widget->move(widget->x(), widget->y() + blockOffset);
    mClient->setFixedSize(Px(kClient.width()),
                          Px(kClient.height()) - (toolBar ? 0 : tlbMain->height()) - (statusBar ? 0 : Px(kBarHeight)));
    stbMain->setGeometry(0, mClient->height() - Px(kBarHeight), mClient->width(), Px(kBarHeight));
}

} // namespace quoxa
