#include "platform/Pictures.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QResource>
#include <array>
#include <cstring>

namespace quoxa {
namespace {

// A picture as the art program writes it, in the same build: its width and height, then its
// rows of premultiplied ARGB pixels, all 32-bit numbers in this machine's byte order. It is
// carried uncompressed, so it is shown straight from the program's memory with nothing to
// decode. A missing or malformed one is a missing resource.
QPixmap ReadPixels(const QString &path, const QString &name)
{
    const QByteArray bytes = QResource(path).uncompressedData();
    constexpr qsizetype kHeader = 2 * sizeof(quint32);
    constexpr quint32 kLargest = 1024;
    quint32 size[2] = {0, 0};
    if (bytes.size() >= kHeader)
        std::memcpy(size, bytes.constData(), kHeader);
    const auto [width, height] = size;
    if (width == 0 || height == 0 || width > kLargest || height > kLargest ||
        bytes.size() != kHeader + qsizetype(width) * height * 4)
        throw RunError::ResourceNotFound(name);
    const QImage image(reinterpret_cast<const uchar *>(bytes.constData() + kHeader), int(width), int(height),
                       int(width) * 4, QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
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
    const bool dense = qGuiApp->devicePixelRatio() > 1.0;
    QPixmap picture = ReadPixels(QStringLiteral(":/%1/%2%3.argb").arg(folder, name, QStringView(dense ? u"@2x" : u"")), name);
    picture.setDevicePixelRatio(dense ? 2.0 : 1.0);
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
    // One drawing, scaled for the frame and the task switcher. The desktop's own sizes come
    // with the installed icon theme.
    return QIcon(ReadPixels(QStringLiteral(":/icons/quoxa-48.argb"), QStringLiteral("quoxa-48")));
}

} // namespace quoxa
