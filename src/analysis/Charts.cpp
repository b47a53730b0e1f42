#include "analysis/Charts.h"
#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <cmath>
#include <QLibrary>

namespace quoxa {

namespace {

// The chart in words, for a screen reader: its title, then each series' points.
QString ChartText(const ChartData &data)
{
    const QLocale locale;
    const auto number = [&](double v) { return locale.toString(v, 'f', v == std::round(v) ? 0 : 2); };
    QStringList parts{data.title};
    for (const ChartData::Series &series : data.series) {
        QStringList points;
        for (const QPointF &point : series.points) {
            const QString x = data.kind == ChartData::Kind::Bars ? data.categories.value(qsizetype(point.x()))
                                                                 : number(point.x());
            points << QCoreApplication::translate("Charts", "%1: %2").arg(x, number(point.y()));
        }
        parts << QCoreApplication::translate("Charts", "%1 by %2: %3").arg(series.name, data.xTitle, points.join(u"; "));
    }
    return parts.join(u". ");
}

// A line of text in the chart's place.
QWidget *ChartNotice(const QString &text, QWidget *parent)
{
    auto *notice = new QLabel(text, parent);
    notice->setObjectName(QStringLiteral("chart"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    return notice;
}

} // namespace

QWidget *MakeChart(const ChartData &data, QWidget *parent)
{
    if (NothingToDraw(data))
        return ChartNotice(data.empty, parent);
    using Make = decltype(&QuoxaMakeChart);
    static const Make make = [] {
        QLibrary module(ProgramFile(QStringLiteral("quoxa-charts.so"), QStringLiteral(QUOXA_INSTALLED_CHARTS_MODULE)));
        return module.load() ? reinterpret_cast<Make>(module.resolve("QuoxaMakeChart")) : nullptr;
    }();
    if (QWidget *chart = make ? make(&data, parent) : nullptr) {
        chart->setAccessibleDescription(ChartText(data));
        return chart;
    }
    return ChartNotice(QCoreApplication::translate("Charts", "The chart cannot be shown: Quoxa's chart module is missing."), parent);
}

} // namespace quoxa
