#include "platform/basHelp.h"
#include "platform/ErrorTrap.h"

#include <QApplication>
#include <QMessageBox>

namespace quoxa {
namespace basHelp {
namespace {

void ShowErrorBox(const QString &text)
{
    // The carriage return separates number and description: show it as a line break.
    QString shown = text;
    shown.replace(QChar(13), QChar(10));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

ErrorSink &Sink()
{
    static ErrorSink sink = ShowErrorBox;
    return sink;
}

} // namespace

QString ErrorText(int number, const QString &description)
{
    return QStringLiteral("Error #: ") + QString::number(number) + QChar(13) + description;
}

ErrorSink SetErrorSink(ErrorSink sink)
{
    ErrorSink old = std::move(Sink());
    Sink() = sink ? std::move(sink) : ErrorSink(ShowErrorBox);
    return old;
}

} // namespace basHelp

void ReportError(int number, const QString &description)
{
    basHelp::Sink()(basHelp::ErrorText(number, description));
}

} // namespace quoxa
