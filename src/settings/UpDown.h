#pragma once
// The options dialog's count stepper.
#include "engine/PlayerSheet.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace quoxa {

// The count's stepper: two small arrow buttons that write the next count into the field.
// The field keeps the keyboard: its Up and Down keys step, and `told` hears each such step.
class UpDown : public QWidget {
public:
    static constexpr int kMin = 1;
    static constexpr int kMax = PlayerTable::kUpperBound;

    UpDown(QWidget *parent, QLineEdit *buddy) : QWidget(parent), mBuddy(buddy)
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
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
        setFocusPolicy(Qt::NoFocus);
        buddy->installEventFilter(this);
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

    std::function<void(const QString &)> told;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != mBuddy || event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        Step(key == Qt::Key_Up ? 1 : -1);
        if (told)
            told(mBuddy->text());
        return true;
    }

private:
    QLineEdit *mBuddy;
    int mValue = kMin;
};

} // namespace quoxa
