#include "structure/menutreeview.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QStyledItemDelegate>

namespace {

class CustomDrawDelegate : public QStyledItemDelegate {
public:
    CustomDrawDelegate(MenuTreeView* view) : QStyledItemDelegate(view), m_view(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem drawn(option);
        if (m_view->customDraw)
            m_view->customDraw(drawn);
        QStyledItemDelegate::paint(painter, drawn, index);
    }

private:
    MenuTreeView* m_view;
};

bool isWithin(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor) {
    for (; item; item = item->parent()) {
        if (item == ancestor)
            return true;
    }
    return false;
}

void expandWithChildren(QTreeWidgetItem* item) {
    if (item->childCount() == 0)
        return;
    item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i)
        expandWithChildren(item->child(i));
}

} // namespace

MenuTreeView::MenuTreeView(QWidget* parent) : QTreeWidget(parent) {
    setItemDelegate(new CustomDrawDelegate(this));
    setUniformRowHeights(true);
    m_narrowest = header()->minimumSectionSize();
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (item->childCount() > 0)
            m_collapsed.insert(item);
    });
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { m_collapsed.remove(item); });
}

void MenuTreeView::allowDragging() {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
}

void MenuTreeView::addExpandedTopLevelItem(QTreeWidgetItem* item) {
    addTopLevelItem(item);
    // Expanding each item with children, before the view lays itself out again, stores
    // only those; expandAll() would also store every item without children.
    expandWithChildren(item);
}

void MenuTreeView::expandSubtree(QTreeWidgetItem* item) {
    item->setExpanded(true);
    const QList<QTreeWidgetItem*> collapsed(m_collapsed.cbegin(), m_collapsed.cend());
    for (QTreeWidgetItem* shown : collapsed) {
        if (isWithin(shown, item))
            shown->setExpanded(true);
    }
}

void MenuTreeView::addedCollapsed(QTreeWidgetItem* item) {
    if (item->childCount() > 0 && !item->isExpanded())
        m_collapsed.insert(item);
}

void MenuTreeView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    if (!m_collapsed.isEmpty()) {
        QTreeWidgetItem* parentItem = itemFromIndex(parent);
        for (int row = start; row <= end; ++row) {
            const QTreeWidgetItem* removed =
                parentItem ? parentItem->child(row) : topLevelItem(row);
            m_collapsed.removeIf([&](QTreeWidgetItem* item) { return isWithin(item, removed); });
        }
    }
    QTreeWidget::rowsAboutToBeRemoved(parent, start, end);
}

void MenuTreeView::reset() {
    m_collapsed.clear();
    QTreeWidget::reset();
}

// The drag carries nothing the page needs (the dragged item is the selected one), and
// whatever the drop did, the view must not remove the dragged rows itself afterwards.
void MenuTreeView::startDrag(Qt::DropActions) {
    auto* drag = new QDrag(this);
    drag->setMimeData(new QMimeData);
    drag->exec(Qt::MoveAction);
}

void MenuTreeView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void MenuTreeView::dragMoveEvent(QDragMoveEvent* event) {
    // The base class scrolls the view near its edges; the page decides the rest.
    QTreeWidget::dragMoveEvent(event);
    const QPoint point = event->position().toPoint();
    if (event->source() == this && acceptsDropAt && acceptsDropAt(point))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MenuTreeView::dropEvent(QDropEvent* event) {
    if (event->source() != this || !dropAt) {
        event->ignore();
        return;
    }
    dropAt(event->position().toPoint());
    event->acceptProposedAction();
}

void MenuTreeView::fitLabel(QTreeWidgetItem* item) {
    int depth = rootIsDecorated() ? 1 : 0;
    for (const QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        ++depth;
    const int width = depth * indentation() + sizeHintForIndex(indexFromItem(item)).width();
    if (width > header()->minimumSectionSize())
        header()->setMinimumSectionSize(width);
}

void MenuTreeView::fitLabels() {
    header()->setMinimumSectionSize(qMax(m_narrowest, sizeHintForColumn(0)));
}
