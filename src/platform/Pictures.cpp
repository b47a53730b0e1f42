#include "platform/Pictures.h"
#include "platform/Art.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/Languages.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <array>
#include <algorithm>
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

// A picture at the zoom, as sharp as the screen shows it: on a denser screen at as many more
// pixels, the pixmap's ratio telling the toolkit so. The design's size and twice it, the ones
// shown most, were drawn by the build; any other size is drawn now. An unknown name is a
// missing resource.
QPixmap Sharpest(const QString &name)
{
    const qreal dense = std::max<qreal>(1.0, qGuiApp->devicePixelRatio()), scale = ZoomFactor() * dense;
    QPixmap picture;
    if (scale == 1.0 || scale == 2.0) {
        picture = ReadPixels(QStringLiteral(":/pictures/%1%2.argb").arg(name, QStringView(scale == 2.0 ? u"@2x" : u"")), name);
    } else {
        const QImage drawn = DrawPicture(name, scale);
        if (drawn.isNull())
            throw RunError::ResourceNotFound(name);
        picture = QPixmap::fromImage(drawn);
    }
    picture.setDevicePixelRatio(dense);
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
    QPixmap face = Sharpest(name);
    if (const FaceWord *word = WordOf(name)) {
        QPainter painter(&face);
        painter.scale(ZoomFactor(), ZoomFactor()); // the word's box and size are the design's
        painter.setRenderHint(QPainter::TextAntialiasing);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setWeight(word->weight);
        // In capitals as the language writes them: Turkish "Yeni Oyun" is "YENİ OYUN".
        const QString text = word->capitals ? QLocale(Languages::Current()).toUpper(ButtonWord(name)) : ButtonWord(name);
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
    // The hot spot is given in the design's pixels, and grows with the zoom; a denser
    // screen's drawing tells the pointer by its ratio.
    for (const CursorResource &cursor : kCursors)
        if (cursor.name == name)
            return QCursor(Sharpest(name), qRound(cursor.hotX * ZoomFactor()), qRound(cursor.hotY * ZoomFactor()));
    throw RunError::ResourceNotFound(name);
}

QIcon LoadToolBarImage(const QString &key)
{
    return DesignIcon(Sharpest(key));
}

QIcon LoadPicture(const QString &name)
{
    return QIcon(Sharpest(name));
}

QIcon LoadProgramIcon()
{
    // One drawing, scaled for the frame and the task switcher. The desktop's own sizes come
    // with the installed icon theme.
    return QIcon(ReadPixels(QStringLiteral(":/icons/quoxa-48.argb"), QStringLiteral("quoxa-48")));
}

} // namespace quoxa
