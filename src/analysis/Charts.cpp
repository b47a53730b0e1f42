#include "analysis/Charts.h"
#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>

namespace quoxa {

QWidget *MakeChart(const ChartData &data, QWidget *parent)
{
    using Make = decltype(&QuoxaMakeChart);
    static const Make make = [] {
        QLibrary module(ProgramFile(QStringLiteral("quoxa-charts.so"), QStringLiteral(QUOXA_INSTALLED_CHARTS_MODULE)));
        return module.load() ? reinterpret_cast<Make>(module.resolve("QuoxaMakeChart")) : nullptr;
    }();
    if (QWidget *chart = make ? make(&data, parent) : nullptr)
        return chart;
    auto *missing = new QLabel(QCoreApplication::translate("Charts", "The chart cannot be shown: Quoxa's chart module is missing."),
                               parent);
    missing->setAlignment(Qt::AlignCenter);
    missing->setWordWrap(true);
    return missing;
}

} // namespace quoxa
