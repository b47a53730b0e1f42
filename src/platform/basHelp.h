#pragma once
// The help module: the game's help file commands, and the message boxes of its messages.
#include <QString>

class QWidget;

namespace quoxa::basHelp {

// The help file the game was built with: beside the program, or where it was installed.
QString HelpFile();

// The file specifications handed to the help viewer: the file, a page inside it after
// "::/html/", and the window type after ">".
QString ContentsSpec(const QString &path);
QString TopicSpec(const QString &path, const QString &page);

constexpr int HH_DISPLAY_TOC = 1;
constexpr int HH_DISPLAY_INDEX = 2;

// Opens the viewer, owned by `owner` and not modal, on the contents or the index. A file
// or page that cannot be shown raises no message.
void HtmlHelp(QWidget *owner, const QString &fileSpec, int command);

void ShowHelpContents(QWidget *owner, const QString &path);
void ShowHelpIndex(QWidget *owner, const QString &path);
void ShowHelpTopic(QWidget *owner, const QString &path, const QString &page);

// Sends the game's messages to message boxes: an error's titled "Error" with a warning
// sign, a notice's titled with the game's name.
void UseMessageBoxes();

} // namespace quoxa::basHelp
