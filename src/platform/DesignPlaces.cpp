#include "platform/DesignControls.h"

#include <QCoreApplication>
#include <QResizeEvent>

namespace quoxa {
namespace {

// The frame a control's twips are measured from, in its parent's pixels: the parent itself,
// or the frame it names in "PlacedFrom".
QRect FrameOf(const QWidget *parent)
{
    const QVariant frame = parent->property("PlacedFrom");
    return frame.isValid() ? frame.toRect() : parent->rect();
}

// A placed control's left edge as its parent shows it: from the frame's left, or in a window
// read right to left its right edge as far from the frame's right. Only the left moves: the
// board moves some controls up or down by the tool bar's height.
void PutLeft(QWidget *control)
{
    const int left = Px(control->property("Twips").toRect().x());
    const QWidget *parent = control->parentWidget();
    const QRect frame = parent ? FrameOf(parent) : QRect();
    control->move(control->isRightToLeft() ? frame.right() + 1 - left - control->width() : frame.left() + left, control->y());
}

// Keeps the placed controls of a right-to-left parent measured from its right edge: the
// parent's width is often known only once it is laid out or shown, after its controls
// were placed.
class MirrorKeeper : public QObject {
public:
    static void Watch(QWidget *parent)
    {
        static MirrorKeeper *keeper = new MirrorKeeper(QCoreApplication::instance());
        parent->installEventFilter(keeper); // once: a filter installed again replaces itself
    }

protected:
    using QObject::QObject;
    bool eventFilter(QObject *object, QEvent *event) override
    {
        const bool widthChanged = event->type() == QEvent::Resize &&
                                  static_cast<QResizeEvent *>(event)->oldSize().width() != static_cast<QResizeEvent *>(event)->size().width();
        if (widthChanged || event->type() == QEvent::LayoutDirectionChange)
            for (QWidget *control : object->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (control->property("Twips").isValid())
                    PutLeft(control);
        return false;
    }
};

} // namespace

void PutInPlace(QWidget *control)
{
    const QRect twips = control->property("Twips").toRect();
    QRect place = TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
    if (QWidget *parent = control->parentWidget()) {
        place.translate(FrameOf(parent).topLeft());
        if (control->isRightToLeft())
            MirrorKeeper::Watch(parent);
    }
    control->setGeometry(place);
    if (control->isRightToLeft())
        PutLeft(control);
}

} // namespace quoxa
