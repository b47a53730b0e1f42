#include "platform/DesignControls.h"

#include <QApplication>
#include <array>


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

QString Indexed(const QString &name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

} // namespace quoxa
