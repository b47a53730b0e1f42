#pragma once
// The pictures the board shows by name, drawn at the zoom and as sharp as the screen allows.
// An unknown name is a run-time error ("Resource ... not found").
#include <QCursor>
#include <QIcon>
#include <QString>

namespace quoxa {

// A face of the throw button, "THROW", "CONTINUE", "NEWGAME", with its word in the player's
// language drawn on; and that word on its own ("New Game"), as a screen reader says it.
QIcon LoadButtonPicture(const QString &name);
QString ButtonWord(const QString &name);
QCursor LoadCursor(const QString &name);      // "HAND", "PENCIL"
QIcon LoadToolBarImage(const QString &key);   // a tool-bar button's key, or the help window's "Back", "Forward"
QIcon LoadProgramIcon();
QIcon LoadPicture(const QString &name);        // "TROPHY", "ABOUT1", "ABOUT2"

} // namespace quoxa
