#include "analysis/FigureWindow.h"
#include "platform/DesignControls.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

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
