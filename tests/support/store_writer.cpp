// Another copy of the game as far as the store goes: offers `count` totals from `first` on,
// named "<name>-<total>", to the high-score table, then ends. With "hold <ms>", holds the
// store's lock that long instead, saying "held" once it has it.
#include "scores/HighScoreTable.h"
#include "settings/basMain.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (QByteArray(argv[1]) == "hold") {
        quoxa::SettingsStore::UpdateSection(quoxa::kAppTitle, quoxa::HighScoreTable::kSection, {}, [&](const auto &) {
            std::puts("held");
            std::fflush(stdout);
            QThread::msleep(QByteArray(argv[2]).toUInt());
            return std::optional<quoxa::SettingsStore::Values>();
        });
        return 0;
    }
    const int first = QString::fromLocal8Bit(argv[2]).toInt(), count = QString::fromLocal8Bit(argv[3]).toInt();
    for (int total = first; total < first + count; ++total)
        quoxa::HighScoreTable::Offer({QStringLiteral("%1-%2").arg(QString::fromLocal8Bit(argv[1])).arg(total), total}, argv[1]);
    return 0;
}
