// Another copy of the game as far as the store goes: offers `count` totals from `first` on,
// named "<name>-<total>", to the high-score table, then ends.
#include "scores/HighScoreTable.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int first = QString::fromLocal8Bit(argv[2]).toInt(), count = QString::fromLocal8Bit(argv[3]).toInt();
    for (int total = first; total < first + count; ++total)
        quoxa::HighScoreTable::Offer({QStringLiteral("%1-%2").arg(QString::fromLocal8Bit(argv[1])).arg(total), total});
    return 0;
}
