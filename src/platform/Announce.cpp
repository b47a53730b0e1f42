#include "platform/Announce.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace quoxa {
namespace {

class SpokenLine : public QWidget {
public:
    explicit SpokenLine(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("lblSpoken"));
        setFixedSize(1, 1);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // The toolkit may have described this object while it was being made, as a plain
        // widget: forgotten, it is described again as what it is.
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(this); made && made->role() != QAccessible::Notification)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
};

QAccessibleInterface *SpokenLineFactory(const QString &, QObject *object)
{
    auto *line = dynamic_cast<SpokenLine *>(object);
    return line ? new QAccessibleWidget(line, QAccessible::Notification) : nullptr;
}

} // namespace

void Announce(QWidget *window, const QString &line)
{
    static const bool kFactory = (QAccessible::installFactory(SpokenLineFactory), true);
    Q_UNUSED(kFactory);
    QWidget *spoken = window->findChild<QWidget *>(QStringLiteral("lblSpoken"), Qt::FindDirectChildrenOnly);
    if (!spoken)
        spoken = new SpokenLine(window);
    spoken->hide(); // shown again, it is news to the reader, the same line too
    spoken->setAccessibleName(line);
    spoken->show();
}

} // namespace quoxa
