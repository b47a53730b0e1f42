#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace quoxa {

QString ProgramFile(const QString &name, const QString &installedRelative)
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(name);
    return QFile::exists(beside) ? beside : QDir::cleanPath(program.filePath(installedRelative));
}

} // namespace quoxa
