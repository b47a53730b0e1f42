#pragma once
// What the game tells the player in a message of its own: the common error message of the
// error trap, and notices. Where they go is set by the layer that has the windows (a message
// box); tests record them instead.
#include <QString>
#include <QStringList>
#include <functional>

namespace quoxa::Messages {

enum class Kind { Error, Notice };
using Sink = std::function<void(Kind kind, const QString &text)>;

// Sends every message to `sink` from now on; returns the sink that was in place. Before any
// is set, messages go to the standard error.
Sink SetSink(Sink sink);

// Tells the player something that is not an error.
void ShowNotice(const QString &text);

// The text of the common error message: "Error #: ", the number, a carriage return and
// the description.
QString ErrorText(int number, const QString &description);

// Items in a sentence: "Ada", "Ada and Bea", "Ada, Bea and Cy".
QString Listed(const QStringList &items);

} // namespace quoxa::Messages
