// The chart module: the toolkit's charts, loaded only when a window draws one.
#include "analysis/Charts.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// The toolkit's charts read their titles, names and labels as markup: the game's texts, and
// the players' names among them, are shown as they are.
QString Plain(const QString &text)
{
    return text.toHtmlEscaped();
}

// The charts leave an axis's title the room its font's first family needs: the family of the
// language's letters goes first where the windows' font names one after the design's
// (Arabic, Hebrew and Chinese letters stand taller than Latin ones: a title of them was cut
// to "...").
QFont LettersFirst(QFont font)
{
    QStringList families = QApplication::font().families();
    if (families.size() > 1) {
        families.move(families.size() - 1, 0);
        font.setFamilies(families);
    }
    return font;
}

} // namespace

extern "C" Q_DECL_EXPORT QWidget *QuoxaMakeChart(const quoxa::ChartData *data, QWidget *parent)
{
    try {
        auto *chart = new QChart;
        const bool dark = parent && parent->palette().color(QPalette::Window).lightness() < 128;
        chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
        chart->setBackgroundBrush(parent ? parent->palette().window() : QBrush());
        chart->setTitle(Plain(data->title));
        chart->setMargins(QMargins(4, 4, 4, 4)); // the room is the plot's
        chart->legend()->setVisible(data->series.size() > 1);
        chart->legend()->setAlignment(Qt::AlignRight);
        auto *yAxis = new QValueAxis;
        yAxis->setTitleText(Plain(data->yTitle));
        yAxis->setLabelFormat(QStringLiteral("%d"));
        chart->addAxis(yAxis, Qt::AlignLeft);
        double top = 1, bottom = 0; // bars stand on 0; lines start at their lowest point
        if (data->kind == quoxa::ChartData::Kind::Bars) {
            auto *bars = new QBarSeries;
            for (const auto &series : data->series) {
                auto *set = new QBarSet(Plain(series.name));
                for (const QPointF &point : series.points) {
                    set->append(point.y());
                    top = std::max(top, point.y());
                }
                bars->append(set);
            }
            bars->setBarWidth(quoxa::BarWidth(data->categories.size()));
            chart->addSeries(bars);
            auto *xAxis = new QBarCategoryAxis;
            for (const QString &category : data->categories)
                xAxis->append(Plain(category));
            xAxis->setTitleText(Plain(data->xTitle));
            chart->addAxis(xAxis, Qt::AlignBottom);
            bars->attachAxis(xAxis);
            bars->attachAxis(yAxis);
        } else {
            auto *xAxis = new QValueAxis;
            xAxis->setTitleText(Plain(data->xTitle));
            xAxis->setLabelFormat(QStringLiteral("%d"));
            chart->addAxis(xAxis, Qt::AlignBottom);
            double right = 1;
            if (!data->series.empty() && !data->series[0].points.empty())
                bottom = top = data->series[0].points[0].y();
            for (const auto &series : data->series) {
                auto *line = new QLineSeries;
                line->setName(Plain(series.name));
                line->append(series.points);
                for (const QPointF &point : series.points) {
                    top = std::max(top, point.y());
                    bottom = std::min(bottom, point.y());
                    right = std::max(right, point.x());
                }
                chart->addSeries(line);
                line->attachAxis(xAxis);
                line->attachAxis(yAxis);
            }
            // A tick at every whole turn, and room around a line that hardly moves.
            xAxis->setRange(0, std::ceil(right));
            xAxis->setTickCount(int(std::ceil(right)) + 1);
            if (top - bottom < 10) {
                top += 5;
                bottom -= 5;
            }
        }
        if (data->kind == quoxa::ChartData::Kind::Bars) { // counts: whole numbers only
            const int step = quoxa::CountStep(top);
            yAxis->setRange(0, std::ceil(top / step) * step);
            yAxis->setTickType(QValueAxis::TicksDynamic);
            yAxis->setTickAnchor(0);
            yAxis->setTickInterval(step);
        } else {
            yAxis->setRange(bottom, top);
            yAxis->applyNiceNumbers(); // round steps, the highest point inside
        }
        for (QAbstractAxis *axis : chart->axes())
            axis->setTitleFont(LettersFirst(axis->titleFont()));
        auto *view = new QChartView(chart, parent);
        view->setRenderHint(QPainter::Antialiasing);
        view->setObjectName(QStringLiteral("chart"));
        view->setAccessibleName(data->title);
        return view;
    } catch (...) {
        return nullptr; // the window says the chart cannot be shown
    }
}
