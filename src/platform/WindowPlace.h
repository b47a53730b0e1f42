#pragma once
// Where a window of its own opens: beside the window that owns it (the board, most often), so
// that the game stays in sight, on that window's screen.
#include <QRect>
#include <QSize>

class QWidget;

namespace quoxa {

// Where a window opens beside the frame `board` within the screen's `room`, as the frame it
// would have (`size`) and the least it still does its job at (`least`): on a side with room
// for it, as large as that side lets it be, up to `size`, the right first (the left when the
// game reads right to left) unless another side gives it clearly more; else, at its least, where it covers the least of the board.
// Its frame comes back, always within the room.
QRect PlaceBeside(const QRect &board, QSize size, QSize least, const QRect &room);

// Shows a window of its own (minimised, brought back) and raises it, and when `activate`
// gives it the keyboard; the first time, it opens beside the window that owns it, narrowed
// to fit there if need be, never below its minimum size nor below 400 x 300 pixels at 96 dpi.
void ShowBeside(QWidget *window, bool activate);

} // namespace quoxa
