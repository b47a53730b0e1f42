#include "platform/basHelp.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/HelpViewer.h"
#include "platform/Languages.h"
#include "platform/ProgramFiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace quoxa {
namespace basHelp {
namespace {

void ShowMessageBox(Message kind, const QString &text)
{
    // The carriage return separates an error's number and description: show it as a line break.
    QString shown = text;
    shown.replace(QChar(13), QChar(10));
    const bool error = kind == Message::Error;
    QMessageBox box(error ? QMessageBox::Warning : QMessageBox::Information,
                    error ? QCoreApplication::translate("basHelp", "Error") : QStringLiteral("Quoxa"), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(error ? QStringLiteral("ErrorBox") : QStringLiteral("NoticeBox"));
    UseDesignColours(&box);
    box.exec();
}

MessageSink &Sink()
{
    static MessageSink sink = ShowMessageBox;
    return sink;
}

} // namespace

QString HelpFile()
{
    // The player's language's own when it is there, else the English one.
    const QString language = Languages::Current(), installed = QStringLiteral(QUOXA_INSTALLED_HELP_FILE);
    if (!language.isEmpty()) {
        const QString name = QStringLiteral("Quoxa.%1.chm").arg(language);
        if (const QString own = ProgramFile(name, QFileInfo(installed).path() + u'/' + name); QFile::exists(own))
            return own;
    }
    return ProgramFile(QStringLiteral("Quoxa.chm"), installed);
}

QString ContentsSpec(const QString &path)
{
    return path + QStringLiteral(">Main");
}

QString TopicSpec(const QString &path, const QString &page)
{
    return path + QStringLiteral("::/html/") + page + QStringLiteral(">Main");
}

void HtmlHelp(QWidget *owner, const QString &fileSpec, int command)
{
    Trap([&] {
        const qsizetype windowAt = fileSpec.lastIndexOf(QLatin1Char('>'));
        const QString windowType = windowAt < 0 ? QString() : fileSpec.mid(windowAt + 1);
        const QString location = windowAt < 0 ? fileSpec : fileSpec.left(windowAt);
        const qsizetype pageAt = location.indexOf(QStringLiteral("::"));
        const QString path = pageAt < 0 ? location : location.left(pageAt);
        const QString page = pageAt < 0 ? QString() : location.mid(pageAt + 2);

        // One viewer per owner and file, brought back to the front when asked again.
        HelpViewer *viewer = nullptr;
        if (owner)
            for (HelpViewer *open : owner->findChildren<HelpViewer *>(QString(), Qt::FindDirectChildrenOnly))
                if (open->fileName() == path)
                    viewer = open;
        if (!viewer) {
            auto file = std::make_shared<ChmFile>(path);
            if (!file->isOpen())
                return;
            const auto type = file->FindWindowType(windowType);
            if (!type)
                return;
            viewer = new HelpViewer(owner, file, *type);
            viewer->setFileName(path);
        }
        viewer->ShowPane(command == HH_DISPLAY_INDEX ? HelpViewer::Pane::Index : HelpViewer::Pane::Contents);
        if (!page.isEmpty())
            viewer->ShowPage(page);
        viewer->show();
        viewer->raise();
        viewer->activateWindow();
    });
}

void ShowHelpContents(QWidget *owner, const QString &path)
{
    HtmlHelp(owner, ContentsSpec(path), HH_DISPLAY_TOC);
}

void ShowHelpIndex(QWidget *owner, const QString &path)
{
    HtmlHelp(owner, ContentsSpec(path), HH_DISPLAY_INDEX);
}

void ShowHelpTopic(QWidget *owner, const QString &path, const QString &page)
{
    HtmlHelp(owner, TopicSpec(path, page), HH_DISPLAY_TOC);
}

QString ErrorText(int number, const QString &description)
{
    return QCoreApplication::translate("basHelp", "Error #: ") + QString::number(number) + QChar(13) + description;
}

MessageSink SetMessageSink(MessageSink sink)
{
    MessageSink old = std::move(Sink());
    Sink() = sink ? std::move(sink) : MessageSink(ShowMessageBox);
    return old;
}

void ShowNotice(const QString &text)
{
    Sink()(Message::Notice, text);
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

} // namespace basHelp

void ReportError(int number, const QString &description)
{
    basHelp::Sink()(basHelp::Message::Error, basHelp::ErrorText(number, description));
}

} // namespace quoxa
