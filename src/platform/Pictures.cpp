#include "platform/Pictures.h"
#include "platform/ErrorTrap.h"

#include <QFile>
#include <QPixmap>
#include <array>

namespace quoxa {
namespace {

QString Existing(const QString &path, const QString &name)
{
    if (!QFile::exists(path))
        throw RunError::ResourceNotFound(name);
    return path;
}

struct CursorResource {
    QStringView name;
    int hotX, hotY;
};
constexpr std::array<CursorResource, 2> kCursors{{{u"HAND", 0, 0}, {u"PENCIL", 11, 20}}};

} // namespace

QIcon LoadButtonPicture(const QString &name, qreal devicePixelRatio)
{
    // Only the drawing the screen needs is read: the 1x one, or the @2x one on denser screens.
    const QString path = Existing(QStringLiteral(":/bitmaps/%1.png").arg(name), name);
    const QString dense = QStringLiteral(":/bitmaps/%1@2x.png").arg(name);
    const bool useDense = devicePixelRatio > 1.0 && QFile::exists(dense);
    QPixmap picture(useDense ? dense : path);
    picture.setDevicePixelRatio(useDense ? 2.0 : 1.0);
    return QIcon(picture);
}

QCursor LoadCursor(const QString &name)
{
    for (const CursorResource &cursor : kCursors)
        if (cursor.name == name)
            return QCursor(QPixmap(Existing(QStringLiteral(":/cursors/%1.png").arg(name), name)),
                           cursor.hotX, cursor.hotY);
    throw RunError::ResourceNotFound(name);
}

QIcon LoadToolBarImage(const QString &key)
{
    return QIcon(Existing(QStringLiteral(":/toolbar/%1.png").arg(key), key));
}

QIcon LoadPicture(const QString &name)
{
    return QIcon(Existing(QStringLiteral(":/pictures/%1.png").arg(name), name));
}

QIcon LoadProgramIcon()
{
    // One drawing, scaled for the frame and the task switcher: decoding one is enough at
    // start-up. The desktop's own sizes come with the installed icon theme.
    return QIcon(QStringLiteral(":/icons/quoxa-48.png"));
}

} // namespace quoxa
