#pragma once
// The help module: the common error message (and, later, the help file commands).
#include <QString>
#include <functional>

namespace quoxa::basHelp {

// The text of the common error message: "Error #: ", the number, a carriage return and
// the description.
QString ErrorText(int number, const QString &description);

// Where ReportError sends its message. The default shows a message box; tests replace it
// to record the text instead of blocking. Returns the sink that was in place.
using ErrorSink = std::function<void(const QString &text)>;
ErrorSink SetErrorSink(ErrorSink sink);

} // namespace quoxa::basHelp
