#pragma once
// The windows' charts, drawn by the toolkit's charts in a module of their own beside the
// program, loaded when the first chart is made: start-up does not pay for them.
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

class QWidget;

namespace quoxa {

struct ChartData {
    enum class Kind { Bars, Lines };
    struct Series {
        QString name;
        QList<QPointF> points; // bars: y of the category at index x
    };
    Kind kind = Kind::Bars;
    QString title;
    QString xTitle, yTitle;
    QStringList categories; // bars: the label under each bar
    std::vector<Series> series;
    QString empty; // said in the chart's place while there is nothing to draw
};

// Nothing to draw: no bar, or no line of two points or more.
inline bool NothingToDraw(const ChartData &data)
{
    const qsizetype fewest = data.kind == ChartData::Kind::Bars ? 1 : 2;
    return std::none_of(data.series.begin(), data.series.end(), [&](const ChartData::Series &s) { return s.points.size() >= fewest; });
}

// How wide a bar stands in its category: nine tenths of it, but an eighth of the plot at
// most, so that one or two bars are bars and not the whole plot.
inline double BarWidth(qsizetype categories)
{
    return std::min(0.9, 0.125 * double(categories));
}

// The count axis of bars: from 0 in whole steps of 1, 2, 5, 10, 20, 50 ..., at most eight of
// them up to the highest bar.
inline int CountStep(double highest)
{
    for (int step = 1;; step *= 10)
        for (int times : {1, 2, 5})
            if (highest <= 8.0 * step * times)
                return step * times;
}

// A chart, or a line in its place: the chart's `empty` while there is nothing to draw, or,
// without the module, that charts cannot be shown. It follows the
// palette of `parent`: light or dark.
QWidget *MakeChart(const ChartData &data, QWidget *parent);

} // namespace quoxa

// The module's entry point.
extern "C" QWidget *QuoxaMakeChart(const quoxa::ChartData *data, QWidget *parent);
