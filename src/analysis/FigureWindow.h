#pragma once
// What the windows of figures share (the score card, the statistics, the review): each a
// window of its own, owned by the board, which alone keeps the game running; and lists of
// figures whose rows line up under their headers.
#include <QStringList>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace quoxa {

constexpr Qt::WindowFlags kFigureWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Names the window, titles it, gives it the design's colours and this size (within its
// owner's screen), and lets the board alone keep the game running.
void SetUpFigureWindow(QWidget *window, const QString &name, const QString &title, QSize size);

// A list of figures: no tree, the first column stretched, the others sized to their contents
// and right-aligned.
QTreeWidget *FigureList(QWidget *parent, const QString &name, const QString &accessibleName, const QStringList &columns);
// A row of the list, each text aligned as its column's header.
QTreeWidgetItem *AddFigureRow(QTreeWidget *list, const QStringList &texts);
// Empties the list, the last row first, the row chosen moving up as rows go, and no signal
// of it. Not by clear(), nor by taking the choice away first: the choice taken from a list
// with rows, whose columns are sized to their contents, left the old rows painted over the
// new ones until the window was painted again.
void ClearFigureList(QTreeWidget *list);

} // namespace quoxa
