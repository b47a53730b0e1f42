#include "analysis/FigureWindow.h"
#include "platform/DesignControls.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <array>
#include <limits>

namespace quoxa {

void SetUpFigureWindow(QWidget *window, const QString &name, const QString &title, QSize size)
{
    window->setObjectName(name);
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    UseDesignColours(window);
    if (!size.isEmpty())
        SizeWithinScreen(window, size, window->parentWidget());
}

QPoint PlaceBeside(const QRect &board, QSize size, const QRect &room)
{
    const int gap = Px(120);
    const std::array<QPoint, 4> wanted{QPoint(board.right() + 1 + gap, board.top()), QPoint(board.left() - gap - size.width(), board.top()),
                                       QPoint(board.left(), board.bottom() + 1 + gap), QPoint(board.left(), board.top() - gap - size.height())};
    QPoint best;
    qint64 least = std::numeric_limits<qint64>::max();
    for (QPoint at : wanted) {
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
        const QRect covered = QRect(at, size).intersected(board);
        if (const qint64 area = qint64(covered.width()) * covered.height(); area < least) {
            least = area;
            best = at;
        }
    }
    return best;
}

void ShowFigureWindow(QWidget *window, bool activate)
{
    const QWidget *board = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (board && !window->property("placed").toBool()) {
        window->setProperty("placed", true);
        // The desktop frames the window as it frames the board.
        const QRect inside = board->geometry(), outside = board->frameGeometry();
        const QMargins frame(inside.left() - outside.left(), inside.top() - outside.top(), outside.right() - inside.right(),
                             outside.bottom() - inside.bottom());
        const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
        if (const QScreen *screen = board->screen())
            window->move(PlaceBeside(outside, size.grownBy(frame), screen->availableGeometry()));
    }
    window->show();
    window->raise();
    if (activate)
        window->activateWindow();
}

QTreeWidget *FigureList(QWidget *parent, const QString &name, const QString &accessibleName, const QStringList &columns)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(columns);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < columns.size(); ++column)
        list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    // The row chosen, in words, for a screen reader that comes to the list.
    QObject::connect(list, &QTreeWidget::currentItemChanged, list, [list](QTreeWidgetItem *row) {
        QStringList cells;
        for (int column = 0; row && column < row->columnCount(); ++column)
            cells << row->data(column, Qt::AccessibleTextRole).toString();
        list->setAccessibleDescription(cells.join(u", "));
    });
    return list;
}

QTreeWidgetItem *AddFigureRow(QTreeWidget *list, const QStringList &texts)
{
    auto *row = new QTreeWidgetItem(list, texts);
    for (int column = 0; column < texts.size(); ++column) {
        row->setTextAlignment(column, Qt::Alignment(list->headerItem()->textAlignment(column)));
        // A screen reader reads a row cell by cell: each with its column's header.
        row->setData(column, Qt::AccessibleTextRole,
                     QCoreApplication::translate("FigureWindow", "%1: %2").arg(list->headerItem()->text(column), texts[column]));
    }
    return row;
}

void ClearFigureList(QTreeWidget *list)
{
    const QSignalBlocker quiet(list); // the one who fills it again tells what is chosen then
    while (const int rows = list->topLevelItemCount())
        delete list->takeTopLevelItem(rows - 1);
}

} // namespace quoxa
