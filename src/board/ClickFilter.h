#pragma once
// What makes a plain control of the board (a die, a score box) clickable like a button: a
// press and release of the left button inside it is a click, and so are Space and Return
// while it has the keyboard focus, which a frame then shows. A double-click is one click:
// the second half of it does nothing. A screen reader meets the control as a push button
// whose press action is the click. Optionally, it is told when the pointer or the focus
// comes to rest on the control and when it leaves; and a control its own pictures cover
// shows the focus by a mark of its own instead of its frame.
#include <QObject>
#include <functional>

class QWidget;

namespace quoxa {

class ClickFilter : public QObject {
    Q_OBJECT

public:
    ClickFilter(QWidget *widget, std::function<void()> onClick, std::function<void(bool resting)> onRest = {},
                QWidget *focusMark = nullptr);
    void Click() { mOnClick(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> mOnClick;
    std::function<void(bool)> mOnRest;
    QWidget *mFocusMark;
    bool mSecondHalf = false;
};

} // namespace quoxa
