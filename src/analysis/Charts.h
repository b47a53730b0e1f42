#pragma once
// The windows' charts, drawn by the toolkit's charts in a module of their own beside the
// program, loaded when the first chart is made: start-up does not pay for them.
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
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
};

// The count axis of bars: from 0 in whole steps of 1, 2, 5, 10, 20, 50 ..., at most eight of
// them up to the highest bar.
inline int CountStep(double highest)
{
    for (int step = 1;; step *= 10)
        for (int times : {1, 2, 5})
            if (highest <= 8.0 * step * times)
                return step * times;
}

// A chart, or without the module a line saying charts cannot be shown. It follows the
// palette of `parent`: light or dark.
QWidget *MakeChart(const ChartData &data, QWidget *parent);

} // namespace quoxa

// The module's entry point.
extern "C" QWidget *QuoxaMakeChart(const quoxa::ChartData *data, QWidget *parent);
