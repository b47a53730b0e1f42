#pragma once
// Lines told to a screen reader at once, whatever has the keyboard: the dice after a throw, a
// die held, the points scored, each step of a computer's turn. A screen reader does not speak
// the changed name of a control the focus is not on, so a window tells its news through a
// status object of its own, `lblSpoken`: one pixel that draws nothing, a notification to the
// reader, shown anew with each line. The reader speaks it and keeps it among its recent
// messages; a sighted player sees nothing of it.
#include <QString>

class QWidget;

namespace quoxa {

void Announce(QWidget *window, const QString &line);

} // namespace quoxa
