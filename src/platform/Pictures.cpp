#include "platform/Pictures.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
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

// The word of each throw-button face: where it goes (clear of the button's edges by four
// pixels, so that a long word stays inside the button), its largest size (smaller when a
// language's word needs the room), its colour and weight, and whether in capitals.
struct FaceWord {
    QStringView face;
    const char *word;
    QRectF box;
    int pixels;
    QColor colour;
    QFont::Weight weight;
    bool capitals;
};
const std::array<FaceWord, 3> kFaceWords{{
    {u"THROW", QT_TRANSLATE_NOOP("Pictures", "Throw"), {4, 48, 68, 24}, 18, QColor(24, 24, 32), QFont::Bold, false},
    {u"CONTINUE", QT_TRANSLATE_NOOP("Pictures", "Continue"), {4, 48, 68, 22}, 12, QColor(24, 24, 32), QFont::Bold, true},
    {u"NEWGAME", QT_TRANSLATE_NOOP("Pictures", "New Game"), {4, 12, 68, 52}, 22, QColor(200, 16, 24), QFont::Black, true},
}};

const FaceWord *WordOf(const QString &name)
{
    for (const FaceWord &word : kFaceWords)
        if (word.face == name)
            return &word;
    return nullptr;
}

} // namespace

QIcon LoadButtonPicture(const QString &name)
{
    QPixmap face = Sharpest(QStringLiteral("bitmaps"), name);
    if (const FaceWord *word = WordOf(name)) {
        QPainter painter(&face);
        painter.setRenderHint(QPainter::TextAntialiasing);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setWeight(word->weight);
        font.setCapitalization(word->capitals ? QFont::AllUppercase : QFont::MixedCase);
        const QString text = ButtonWord(name);
        constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap;
        for (int pixels = word->pixels; pixels >= 6; --pixels) { // as large as the box allows
            font.setPixelSize(pixels);
            const QRectF needs = QFontMetricsF(font).boundingRect(word->box, flags, text);
            if (needs.width() <= word->box.width() && needs.height() <= word->box.height() + 4)
                break;
        }
        painter.setFont(font);
        painter.setPen(word->colour);
        painter.drawText(word->box, flags, text);
    }
    return QIcon(face);
}

QString ButtonWord(const QString &name)
{
    const FaceWord *word = WordOf(name);
    return word ? QCoreApplication::translate("Pictures", word->word) : QString();
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
