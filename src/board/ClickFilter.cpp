#include "board/ClickFilter.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quoxa {
namespace {

// A control with a click filter, to a screen reader: a push button that presses by its click.
class ClickableAccessible : public QAccessibleWidget {
public:
    ClickableAccessible(QWidget *widget, ClickFilter *filter) : QAccessibleWidget(widget, QAccessible::Button), mFilter(filter) {}
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            mFilter->Click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ClickFilter *mFilter;
};

QAccessibleInterface *ClickableFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    auto *filter = widget ? widget->findChild<ClickFilter *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    return filter ? new ClickableAccessible(widget, filter) : nullptr;
}

} // namespace

ClickFilter::ClickFilter(QWidget *widget, std::function<void()> onClick, std::function<void(bool)> onRest, QWidget *focusMark)
    : QObject(widget), mOnClick(std::move(onClick)), mOnRest(std::move(onRest)), mFocusMark(focusMark)
{
    static const bool kFactory = (QAccessible::installFactory(ClickableFactory), true);
    Q_UNUSED(kFactory);
    widget->installEventFilter(this);
}

bool ClickFilter::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (mFocusMark) {
            mFocusMark->setVisible(event->type() == QEvent::FocusIn);
        } else if (auto *frame = qobject_cast<QFrame *>(widget)) {
            const bool focused = event->type() == QEvent::FocusIn;
            frame->setFrameStyle(focused ? QFrame::Box | QFrame::Plain : QFrame::Panel | QFrame::Sunken);
            frame->setLineWidth(focused ? 2 : 1);
        }
        [[fallthrough]];
    case QEvent::Enter:
    case QEvent::Leave:
        if (mOnRest)
            mOnRest(event->type() == QEvent::FocusIn || event->type() == QEvent::Enter);
        return false;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
        if (press)
            mOnClick();
        return press;
    }
    case QEvent::MouseButtonDblClick:
        mSecondHalf = true;
        return true;
    case QEvent::MouseButtonPress:
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()) && !mSecondHalf)
            mOnClick();
        mSecondHalf = false;
        return true;
    }
    default:
        return false;
    }
}

} // namespace quoxa
