#include "platform/ChoiceBox.h"
#include "platform/Announce.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QAbstractItemView>

namespace quoxa {
namespace {

// A choice box with its choice as a text that cannot be edited.
class ChoiceAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ChoiceAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this) : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(kind);
    }
    // Its list of choices, as the toolkit's own box has it.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The text: the choice shown, read whole, with nothing chosen in it.
    QString text(int start, int end) const override { return box()->currentText().mid(start, end - start); }
    int characterCount() const override { return int(box()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

QAccessibleInterface *ChoiceFactory(const QString &, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    return box && box->property("sayChoice").toBool() ? new ChoiceAccessible(box) : nullptr;
}

} // namespace

void SayChoice(QComboBox *box)
{
    static const bool kFactory = (QAccessible::installFactory(ChoiceFactory), true);
    Q_UNUSED(kFactory);
    box->setProperty("sayChoice", true);
    // Described before as the toolkit's box, it is described again as this one.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(box); made && !made->textInterface())
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    // A choice the player makes is told: a reader hears no change of a box's text.
    QObject::connect(box, &QComboBox::activated, box, [box] { Announce(box->window(), box->currentText()); });
}

} // namespace quoxa
