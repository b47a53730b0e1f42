#pragma once
// The pictures the board loads by name from the executable's resources, each drawn at 1x
// and at 2x for dense screens. A missing one is a run-time error ("Resource ... not found").
#include <QCursor>
#include <QIcon>
#include <QString>

namespace quoxa {

QIcon LoadButtonPicture(const QString &name); // "THROW", "CONTINUE", "NEWGAME"
QCursor LoadCursor(const QString &name);      // "HAND", "PENCIL"
QIcon LoadToolBarImage(const QString &key);   // a tool-bar button's key, or the help window's "Back", "Forward"
QIcon LoadProgramIcon();
QIcon LoadPicture(const QString &name);        // "TROPHY", "ABOUT1", "ABOUT2"

} // namespace quoxa
