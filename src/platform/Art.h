#pragma once
// The game's pictures, drawn by name at `scale` times their design size in pixels, so that
// they are as sharp at any zoom and on any screen: the throw button's faces "THROW",
// "CONTINUE", "NEWGAME"; the pointers "HAND", "PENCIL"; the tool bar's images by key ("New",
// ..., and the help window's "Back", "Forward"); "TROPHY", "COMPUTER", "PERSON", "ABOUT1",
// "ABOUT2". An unknown name draws a null image.
#include <QImage>
#include <QStringView>

namespace quoxa {

QImage DrawPicture(QStringView name, qreal scale);
// The program's icon, `size` pixels square.
QImage DrawProgramIcon(int size);

} // namespace quoxa
