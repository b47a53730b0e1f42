#pragma once
// The help module: the game's help file commands and the common error message.
#include <QString>
#include <QStringList>
#include <functional>

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

// The text of the common error message: "Error #: ", the number, a carriage return and
// the description.
QString ErrorText(int number, const QString &description);

// Where ReportError and ShowNotice send their messages. The default shows a message box: an
// error's titled "Error" with a warning sign, a notice's titled with the game's name. Tests
// replace it to record the text instead of blocking. Returns the sink that was in place.
enum class Message { Error, Notice };
using MessageSink = std::function<void(Message kind, const QString &text)>;
MessageSink SetMessageSink(MessageSink sink);

// Tells the player something that is not an error, in a message box of its own.
void ShowNotice(const QString &text);

// Items in a sentence: "Ada", "Ada and Bea", "Ada, Bea and Cy".
QString Listed(const QStringList &items);

} // namespace quoxa::basHelp
