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

bool isWithin(QModelIndex index, const QModelIndex& ancestor) {
    for (; index.isValid(); index = index.parent()) {
        if (index == ancestor)
            return true;
    }
    return false;
}

template <typename Visit> void forEachWithChildren(const QModelIndex& index, Visit&& visit) {
    const QAbstractItemModel* model = index.model();
    const int rows = model->rowCount(index);
    if (rows == 0)
        return;
    visit(index);
    for (int row = 0; row < rows; ++row)
        forEachWithChildren(model->index(row, 0, index), visit);
}

} // namespace

MenuTreeView::MenuTreeView(QWidget* parent) : QTreeView(parent) {
    setItemDelegate(new CustomDrawDelegate(this));
    setUniformRowHeights(true);
    m_narrowest = header()->minimumSectionSize();
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (model()->hasChildren(index))
            m_collapsed.insert(index);
    });
    connect(this, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { m_collapsed.remove(index); });
}

void MenuTreeView::allowDragging() {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
}

// Expanding each item with children stores only those; expandAll() would also store every
// item without children, which the view then keeps track of at every change.
void MenuTreeView::expandWithChildren(const QModelIndex& index) {
    forEachWithChildren(index, [this](const QModelIndex& item) { expand(item); });
}

void MenuTreeView::expandSubtree(const QModelIndex& index) {
    expand(index);
    const QList<QPersistentModelIndex> collapsed(m_collapsed.cbegin(), m_collapsed.cend());
    for (const QPersistentModelIndex& shown : collapsed) {
        if (!shown.isValid())
            m_collapsed.remove(shown);
        else if (isWithin(shown, index))
            expand(shown);
    }
}

void MenuTreeView::collapseSubtree(const QModelIndex& index) {
    forEachWithChildren(index, [this](const QModelIndex& item) {
        collapse(item);
        m_collapsed.insert(item);
    });
}

void MenuTreeView::reset() {
    m_collapsed.clear();
    QTreeView::reset();
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
    QTreeView::dragMoveEvent(event);
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

void MenuTreeView::fitLabel(const QModelIndex& index) {
    int depth = rootIsDecorated() ? 1 : 0;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        ++depth;
    const int width = depth * indentation() + sizeHintForIndex(index).width();
    if (width > header()->minimumSectionSize())
        header()->setMinimumSectionSize(width);
}

void MenuTreeView::fitLabels() {
    header()->setMinimumSectionSize(qMax(m_narrowest, sizeHintForColumn(0)));
}
