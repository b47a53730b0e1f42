#include "platform/basHelp.h"
#include "platform/DesignControls.h"
#include "platform/ErrorTrap.h"
#include "platform/HelpViewer.h"
#include "platform/Languages.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/WindowPlace.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace quoxa {
namespace basHelp {
namespace {

void ShowMessageBox(Messages::Kind kind, const QString &text)
{
    // The carriage return separates an error's number and description: show it as a line break.
    QString shown = text;
    shown.replace(QChar(13), QChar(10));
    const bool error = kind == Messages::Kind::Error;
    auto *box = new QMessageBox(error ? QMessageBox::Warning : QMessageBox::Information,
                                error ? QCoreApplication::translate("basHelp", "Error") : QStringLiteral("Quoxa"), shown,
                                QMessageBox::Ok, QApplication::activeWindow());
    box->setObjectName(error ? QStringLiteral("ErrorBox") : QStringLiteral("NoticeBox"));
    box->setTextFormat(Qt::PlainText); // a player's name in it is text, never markup
    UseDesignColours(box);
    OpenModal(box);
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
        ShowBeside(viewer, true);
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

void UseMessageBoxes()
{
    Messages::SetSink(ShowMessageBox);
}

} // namespace basHelp

} // namespace quoxa
