#include "board/PictureButton.h"

#include <QPainter>

namespace quoxa {

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    const QRect place = QRect(QPoint(), iconSize()).translated(rect().center() - QRect(QPoint(), iconSize()).center() + shift);
    icon().paint(&painter, place, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5).translated(shift));
    }
}

} // namespace quoxa
