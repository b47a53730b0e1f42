#pragma once
// Lines told to a screen reader at once, whatever has the keyboard: the dice after a throw, a
// die held, the points scored, each step of a computer's turn. A screen reader does not speak
// the changed name of a control the focus is not on, so a window tells its news through
// status objects of its own, `lblSpoken`: one pixel that draws nothing, a notification to the
// reader. Each line is an object of its own, shown once and kept for a while: the reader
// reads a line's name when it comes to it, so a line that followed quickly must not take its
// place. The reader speaks them in the order shown and keeps them among its recent messages;
// a sighted player sees nothing of them.
#include <QString>

class QWidget;

namespace quoxa {

void Announce(QWidget *window, const QString &line);

} // namespace quoxa
