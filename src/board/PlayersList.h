#pragma once
// The board's players list: a name and a total a row, the row of the player whose turn it is
// selected. Only the game moves the marker: the player cannot select another row, and it
// stays lit without the keyboard focus. Tab reaches it, at the marked row, so that a screen
// reader reads each player with the total; the arrows go from row to row, and the keys of
// the dice go on to the board.
#include <QTreeWidget>

namespace quoxa {

class PlayersList : public QTreeWidget {
public:
    explicit PlayersList(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace quoxa
