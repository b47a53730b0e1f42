#include "board/PlayersList.h"
#include "platform/DesignControls.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyleOptionHeader>

namespace quoxa {
namespace {

// The players list's column header. Qt measures header sections in bold in case one is
// highlighted; these never are, so they are measured in their own font, which spares
// loading a bold face before the first frame.
class PlainHeader : public QHeaderView {
public:
    PlainHeader() : QHeaderView(Qt::Horizontal)
    {
        // As a tree view sets up its own header.
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setSectionsMovable(true);
        setStretchLastSection(true);
    }

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = model()->headerData(logicalIndex, orientation()).toString();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }
};

} // namespace

PlayersList::PlayersList(QWidget *parent) : QTreeWidget(parent)
{
    setHeader(new PlainHeader);
    setColumnCount(2);
    setRootIsDecorated(false);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::TabFocus);
    ReadCurrentOnEntry(this, [this] { // the row of whose turn it is
        const QList<QTreeWidgetItem *> marked = selectedItems();
        return marked.isEmpty() ? QModelIndex() : indexFromItem(marked.first());
    });
}

void PlayersList::keyPressEvent(QKeyEvent *event)
{
    // A list would look for a name by the keys typed: a die's key holds the die instead.
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_5)
        event->ignore();
    else
        QTreeWidget::keyPressEvent(event);
}

} // namespace quoxa
