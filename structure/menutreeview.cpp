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

} // namespace

MenuTreeView::MenuTreeView(QWidget* parent) : QTreeWidget(parent) {
    setItemDelegate(new CustomDrawDelegate(this));
    m_narrowest = header()->minimumSectionSize();
}

void MenuTreeView::allowDragging() {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
}

void MenuTreeView::expandSubtree(QTreeWidgetItem* item) {
    expandRecursively(indexFromItem(item));
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
