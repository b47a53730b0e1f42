#include "platform/Pictures.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"

#include <QFile>
#include <QGuiApplication>
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

// Only the drawing the screens need is read: the 1x one, or the @2x one when a screen is
// denser.
QPixmap Sharpest(const QString &folder, const QString &name)
{
    const qreal devicePixelRatio = qGuiApp->devicePixelRatio();
    const QString path = Existing(QStringLiteral(":/%1/%2.png").arg(folder, name), name);
    const QString dense = QStringLiteral(":/%1/%2@2x.png").arg(folder, name);
    const bool useDense = devicePixelRatio > 1.0 && QFile::exists(dense);
    QPixmap picture(useDense ? dense : path);
    picture.setDevicePixelRatio(useDense ? 2.0 : 1.0);
    return picture;
}

} // namespace

QIcon LoadButtonPicture(const QString &name)
{
    return QIcon(Sharpest(QStringLiteral("bitmaps"), name));
}

QCursor LoadCursor(const QString &name)
{
    // The hot spot is given in 1x pixels; a 2x drawing's ratio tells the pointer to double it.
    for (const CursorResource &cursor : kCursors)
        if (cursor.name == name)
            return QCursor(Sharpest(QStringLiteral("cursors"), name), cursor.hotX, cursor.hotY);
    throw RunError::ResourceNotFound(name);
}

QIcon LoadToolBarImage(const QString &key)
{
    return DesignIcon(Sharpest(QStringLiteral("toolbar"), key));
}

QIcon LoadPicture(const QString &name)
{
    return QIcon(Sharpest(QStringLiteral("pictures"), name));
}

QIcon LoadProgramIcon()
{
    // One drawing, scaled for the frame and the task switcher: decoding one is enough at
    // start-up. The desktop's own sizes come with the installed icon theme.
    return QIcon(QStringLiteral(":/icons/quoxa-48.png"));
}

} // namespace quoxa
