#include "board/BoardPictures.h"
#include "platform/ErrorTrap.h"

#include <QApplication>
#include <QFile>
#include <QFont>
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

QIcon LoadButtonPicture(const QString &name)
{
    // QIcon finds the @2x drawing beside the 1x one for denser screens.
    return QIcon(Existing(QStringLiteral(":/bitmaps/%1.png").arg(name), name));
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
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quoxa-%1.png").arg(size), QSize(size, size));
    return icon;
}

void InstallFonts()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Serif"), {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

} // namespace quoxa
