#pragma once
// The options dialog's count stepper.
#include "engine/PlayerSheet.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quoxa {

// The count's stepper: two small arrow buttons that write the next count into the field.
// It takes the keyboard focus itself: the Up and Down keys step it.
class UpDown : public QWidget {
public:
    static constexpr int kMin = 1;
    static constexpr int kMax = PlayerTable::kUpperBound;

    UpDown(QWidget *parent, QLineEdit *buddy) : QWidget(parent), mBuddy(buddy)
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(kFocusRoom, kFocusRoom, kFocusRoom, kFocusRoom);
        layout->setSpacing(0);
        for (auto [arrow, step] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
            auto *button = new QToolButton(this);
            button->setArrowType(arrow);
            button->setAutoRepeat(true);
            button->setFocusPolicy(Qt::NoFocus);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            layout->addWidget(button);
            connect(button, &QToolButton::clicked, this, [this, step = step] { Step(step); });
        }
        setFocusPolicy(Qt::StrongFocus);
    }

    // Steps from the count in the field (or from where the stepper last was).
    void Step(int delta)
    {
        bool ok = false;
        const int shown = mBuddy->text().toInt(&ok);
        if (ok)
            mValue = shown;
        mValue = std::clamp(mValue + delta, kMin, kMax);
        mBuddy->setText(QString::number(mValue));
    }

protected:
    // With the focus, the style's focus frame round the arrows.
    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus())
            return;
        QPainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
    void focusInEvent(QFocusEvent *) override { update(); }
    void focusOutEvent(QFocusEvent *) override { update(); }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
            Step(event->key() == Qt::Key_Up ? 1 : -1);
        else
            QWidget::keyPressEvent(event);
    }

private:
    static constexpr int kFocusRoom = 1; // pixels round the arrows for the focus frame
    QLineEdit *mBuddy;
    int mValue = kMin;
};

} // namespace quoxa
