// Draws the game's pictures ahead, with the game's own drawing (src/platform/Art.cpp), at the
// sizes shown most: the design's and twice it ("@2x", for dense screens). The game draws any
// other size itself. Run at build time:
//   makeart <output folder> <picture name>...
// The game carries them as "pictures/NAME.argb": width and height, then the rows of
// premultiplied ARGB pixels, all 32-bit numbers in the byte order of the machine that builds
// it, read with nothing to decode. The program icon is written as PNG files for the desktop,
// and once as ".argb" for the window.
#include "platform/Art.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool WritePixels(const QString &path, const QImage &image)
{
    QFile file(path);
    const quint32 size[2] = {quint32(image.width()), quint32(image.height())};
    return !image.isNull() && file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char *>(size), sizeof size) == qint64(sizeof size) &&
           file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: makeart <output folder> <picture name>...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    bool ok = QDir(out).mkpath(QStringLiteral("icons")) && QDir(out).mkpath(QStringLiteral("pictures"));
    const auto write = [&](const QString &path, const QImage &image) {
        if (path.endsWith(QLatin1String(".argb")) ? WritePixels(path, image) : image.save(path))
            return;
        std::fprintf(stderr, "makeart: cannot write %s\n", qPrintable(path));
        ok = false;
    };
    for (int i = 2; i < argc; ++i)
        for (int scale : {1, 2}) {
            const QString name = QString::fromLocal8Bit(argv[i]);
            write(QStringLiteral("%1/pictures/%2%3.argb").arg(out, name, QLatin1String(scale == 2 ? "@2x" : "")),
                  quoxa::DrawPicture(name, scale));
        }
    for (int size : {16, 32, 48, 64, 128, 256})
        write(QStringLiteral("%1/icons/quoxa-%2.png").arg(out).arg(size), quoxa::DrawProgramIcon(size));
    write(QStringLiteral("%1/icons/quoxa-48.argb").arg(out), quoxa::DrawProgramIcon(48));
    return ok ? 0 : 1;
}
