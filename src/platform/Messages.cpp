#include "platform/Messages.h"
#include "platform/ErrorTrap.h"

#include <QCoreApplication>
#include <cstdio>

namespace quoxa {
namespace Messages {
namespace {

Sink &Current()
{
    static Sink sink;
    return sink;
}

void Send(Kind kind, const QString &text)
{
    if (Current())
        Current()(kind, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(QString(text).replace(QChar(13), QChar(10))));
}

} // namespace

Sink SetSink(Sink sink)
{
    return std::exchange(Current(), std::move(sink));
}

void ShowNotice(const QString &text)
{
    Send(Kind::Notice, text);
}

QString ErrorText(int number, const QString &description)
{
    return QCoreApplication::translate("basHelp", "Error #: ") + QString::number(number) + QChar(13) + description;
}

QString Listed(const QStringList &items)
{
    QString list = items.value(0);
    for (qsizetype i = 1; i < items.size(); ++i)
        list = (i + 1 < items.size() ? QCoreApplication::translate("basHelp", "%1, %2")
                                     : QCoreApplication::translate("basHelp", "%1 and %2"))
                   .arg(list, items[i]);
    return list;
}

} // namespace Messages

void ReportError(int number, const QString &description)
{
    Messages::Send(Messages::Kind::Error, Messages::ErrorText(number, description));
}

} // namespace quoxa
