#pragma once
// The help module: the game's help file commands and the common error message.
#include <QString>
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

// Where ReportError sends its message. The default shows a message box; tests replace it
// to record the text instead of blocking. Returns the sink that was in place.
using ErrorSink = std::function<void(const QString &text)>;
ErrorSink SetErrorSink(ErrorSink sink);

} // namespace quoxa::basHelp
