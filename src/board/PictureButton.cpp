#include "board/PictureButton.h"
#include "platform/Twips.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace quoxa {

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const QPoint shift = isDown() ? QPoint(Px(15), Px(15)) : QPoint(); // a pixel at the design's size
    const QRect place = QRect(QPoint(), iconSize()).translated(rect().center() - QRect(QPoint(), iconSize()).center() + shift);
    icon().paint(&painter, place, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(Px(60), Px(60), -Px(60), -Px(60)).translated(shift);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

} // namespace quoxa
