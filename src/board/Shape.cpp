#include "board/Shape.h"
#include "platform/Twips.h"

#include <QPainter>

namespace quoxa {

Shape::Shape(Kind kind, QWidget *parent, int borderWidth, QColor borderColor)
    : QWidget(parent), mKind(kind), mBorderWidth(borderWidth), mBorderColor(borderColor)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor &color)
{
    mFill = color;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor border = mBorderColor.isValid() ? mBorderColor : palette().color(QPalette::WindowText);
    const int width = qRound(mBorderWidth * ZoomFactor()); // as wide as the zoom makes it
    QPen pen(border, width, mLineStyle);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(mFill.isValid() ? QBrush(mFill) : Qt::NoBrush);

    // The outline lies inside the shape's bounds, as wide as it is asked to be.
    const qreal inset = width / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    switch (mKind) {
    case Kind::Rectangle:
        painter.drawRect(box);
        break;
    case Kind::RoundedSquare: {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = box.width() * 0.16;
        painter.drawRoundedRect(box, radius, radius);
        break;
    }
    case Kind::Circle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(box);
        break;
    }
}

} // namespace quoxa
