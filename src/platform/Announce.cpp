#include "platform/Announce.h"

#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

namespace quoxa {
namespace {

// How long a line stays for the reader to come to it, and how many at most: a computer
// playing without pauses tells many lines a second, and the oldest go first.
constexpr int kLineKeptMs = 10000;
constexpr qsizetype kLinesKept = 16;

class SpokenLine : public QWidget {
public:
    SpokenLine(QWidget *window, const QString &line) : QWidget(window)
    {
        setObjectName(QStringLiteral("lblSpoken"));
        setFixedSize(1, 1);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // The toolkit may have described this object while it was being made, as a plain
        // widget: forgotten, it is described again as what it is.
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(this); made && made->role() != QAccessible::Notification)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        setAccessibleName(line);
        QTimer::singleShot(kLineKeptMs, this, &QObject::deleteLater);
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
    const QList<QWidget *> kept = window->findChildren<QWidget *>(QStringLiteral("lblSpoken"), Qt::FindDirectChildrenOnly);
    for (qsizetype old = 0; old + kLinesKept <= kept.size(); ++old)
        delete kept[old];
    (new SpokenLine(window, line))->show();
}

} // namespace quoxa
