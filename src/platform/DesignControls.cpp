#include "platform/DesignControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <array>
#include <functional>

namespace quoxa {
namespace {

// Debian's metric look-alikes of the design's families (fonts-liberation, fonts-comic-neue).
struct FontFamily {
    QStringView design, installed;
};
constexpr std::array<FontFamily, 4> kFamilies{{{u"Arial", u"Liberation Sans"},
                                               {u"MS Sans Serif", u"Liberation Sans"},
                                               {u"MS Serif", u"Liberation Serif"},
                                               {u"Comic Sans MS", u"Comic Neue"}}};

// Swallows the keys given and, when there is one, runs an action for them instead.
class KeyFilter : public QObject {
public:
    KeyFilter(QWidget *widget, std::initializer_list<int> keys, std::function<void()> action)
        : QObject(widget), mKeys(keys), mAction(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !mKeys.contains(static_cast<QKeyEvent *>(event)->key()))
            return false;
        if (mAction)
            mAction();
        return true;
    }

private:
    QList<int> mKeys;
    std::function<void()> mAction;
};

} // namespace

void Paint(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont DesignFont(QStringView family, qreal points, bool bold)
{
    QString installed = family.toString();
    for (const FontFamily &entry : kFamilies)
        if (entry.design == family)
            installed = entry.installed.toString();
    QFont font(installed);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void InstallFonts()
{
    QApplication::setFont(DesignFont(u"MS Sans Serif", 8.25));
}

void KeepOpenOnEscape(QWidget *window)
{
    new KeyFilter(window, {Qt::Key_Escape}, nullptr);
}

void PressOnReturn(QAbstractButton *button)
{
    new KeyFilter(button, {Qt::Key_Return, Qt::Key_Enter}, [button] { button->animateClick(); });
}

QString Indexed(const QString &name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

} // namespace quoxa
