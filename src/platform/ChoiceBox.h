#pragma once
// A choice box a screen reader reads whole.

class QComboBox;

namespace quoxa {

// The box says its choice: to a screen reader it is named by its label and holds the choice
// shown as its text, read when the box is reached; a choice the player makes is told. (The
// toolkit's own description gives the choice as the box's name and leaves its text empty:
// a reader that names the box by its label then says no choice at all, and none that
// changes.)
void SayChoice(QComboBox *box);

} // namespace quoxa
