// Solves best play once and writes its table, for the test programs to share.
#include "engine/Strategy.h"

#include <QByteArray>
#include <QFile>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const quoxa::Strategy strategy(2);
    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray table = strategy.Table();
    return file.open(QIODevice::WriteOnly) && file.write(table) == table.size() ? 0 : 1;
}
