#include "structure/menutreeview.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
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
    if (acceptsDropPlace) {
        const Place place = placeAt(point);
        const bool accepted = event->source() == this && place.item.isValid() &&
                              acceptsDropPlace(place.item, place.place);
        showPlace(accepted ? place : Place());
        if (accepted)
            event->acceptProposedAction();
        else
            event->ignore();
        return;
    }
    if (event->source() == this && acceptsDropAt && acceptsDropAt(point))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MenuTreeView::dragLeaveEvent(QDragLeaveEvent* event) {
    QTreeView::dragLeaveEvent(event);
    showPlace({});
}

void MenuTreeView::dropEvent(QDropEvent* event) {
    showPlace({});
    const QPoint point = event->position().toPoint();
    if (event->source() == this && dropAtPlace) {
        const Place place = placeAt(point);
        if (place.item.isValid() && acceptsDropPlace(place.item, place.place)) {
            dropAtPlace(place.item, place.place);
            event->acceptProposedAction();
        } else {
            event->ignore();
        }
        return;
    }
    if (event->source() != this || !dropAt) {
        event->ignore();
        return;
    }
    dropAt(point);
    event->acceptProposedAction();
}

MenuTreeView::Place MenuTreeView::placeAt(const QPoint& point) const {
    const QModelIndex item = indexAt(point);
    if (!item.isValid())
        return {};
    const QRect row = visualRect(item);
    const int quarter = row.height() / 4;
    if (point.y() < row.top() + quarter)
        return {item, DropPlace::Before};
    if (point.y() <= row.bottom() - quarter)
        return {item, DropPlace::Into};
    if (isExpanded(item) && model()->hasChildren(item))
        return {model()->index(0, 0, item), DropPlace::Before};
    return {item, DropPlace::After};
}

void MenuTreeView::showPlace(const Place& place) {
    if (place.item == m_shownPlace.item && place.place == m_shownPlace.place)
        return;
    m_shownPlace = place;
    viewport()->update();
}

void MenuTreeView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if (!m_shownPlace.item.isValid())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 2));
    const QRect row = visualRect(m_shownPlace.item);
    // The line starts at the item's own indentation, which tells its level.
    const int right = viewport()->width() - 1;
    switch (m_shownPlace.place) {
    case DropPlace::Before:
        painter.drawLine(row.left(), row.top(), right, row.top());
        break;
    case DropPlace::After:
        painter.drawLine(row.left(), row.bottom() + 1, right, row.bottom() + 1);
        break;
    case DropPlace::Into:
        painter.drawRect(row.adjusted(1, 1, -1, -1));
        break;
    }
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
