#include "platform/WindowPlace.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>
#include <limits>

namespace quoxa {

QRect PlaceBeside(const QRect &board, QSize size, QSize least, const QRect &room)
{
    const int gap = Px(120);
    size = size.boundedTo(room.size());
    least = least.boundedTo(size);
    // As wide as the room to the right or left lets it be, or as high as that above or below.
    const auto across = [&](int side) { return std::clamp(side, least.width(), size.width()); };
    const auto down = [&](int side) { return std::clamp(side, least.height(), size.height()); };
    const int right = across(room.right() - board.right() - gap), left = across(board.left() - gap - room.left());
    const int below = down(room.bottom() - board.bottom() - gap), above = down(board.top() - gap - room.top());
    std::array<QRect, 4> wanted{QRect(board.right() + 1 + gap, board.top(), right, size.height()),
                                QRect(board.left() - gap - left, board.top(), left, size.height()),
                                QRect(board.left(), board.bottom() + 1 + gap, size.width(), below),
                                QRect(board.left(), board.top() - gap - above, size.width(), above)};
    if (QGuiApplication::isRightToLeft()) // after the board as it is read: on its left
        std::swap(wanted[0], wanted[1]);
    QRect best;
    qint64 leastCovered = std::numeric_limits<qint64>::max(), largest = 0;
    for (QRect at : wanted) {
        at.moveLeft(std::clamp(at.left(), room.left(), room.right() + 1 - at.width()));
        at.moveTop(std::clamp(at.top(), room.top(), room.bottom() + 1 - at.height()));
        const QRect covered = at.intersected(board);
        const qint64 cover = qint64(covered.width()) * covered.height(), area = qint64(at.width()) * at.height();
        // A side a few pixels roomier (a twentieth) does not win over the one before it.
        if (cover < leastCovered || (cover == leastCovered && area > largest + largest / 20)) {
            leastCovered = cover;
            largest = area;
            best = at;
        }
    }
    return best;
}

void ShowBeside(QWidget *window, bool activate)
{
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (owner && !window->property("placed").toBool()) {
        window->setProperty("placed", true);
        // The desktop frames the window as it frames its owner.
        const QRect inside = owner->geometry(), outside = owner->frameGeometry();
        const QMargins frame(inside.left() - outside.left(), inside.top() - outside.top(), outside.right() - inside.right(),
                             outside.bottom() - inside.bottom());
        const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
        const QSize least = window->minimumSize().expandedTo(TwipsSize(6000, 4500));
        if (const QScreen *screen = owner->screen()) {
            const QRect at = PlaceBeside(outside, size.grownBy(frame), least.grownBy(frame), screen->availableGeometry());
            window->resize(at.size().shrunkBy(frame));
            window->move(at.topLeft());
        }
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized); // asked for, it comes back
    window->show();
    window->raise();
    if (activate)
        window->activateWindow();
}

} // namespace quoxa
