#pragma once
// The pictures the board loads by name from the executable's resources. A missing one is
// a run-time error ("Resource ... not found").
#include <QCursor>
#include <QIcon>
#include <QString>

namespace quoxa {

QIcon LoadButtonPicture(const QString &name, qreal devicePixelRatio = 1.0); // "THROW", "CONTINUE", "NEWGAME"
QCursor LoadCursor(const QString &name);      // "HAND", "PENCIL"
QIcon LoadToolBarImage(const QString &key);   // a tool-bar button's key
QIcon LoadProgramIcon();
QIcon LoadPicture(const QString &name);        // "TROPHY", "ABOUT1", "ABOUT2"

} // namespace quoxa
