#pragma once

#include <QSet>
#include <QTreeWidget>

#include <functional>

class QStyleOptionViewItem;

// The tree of the structure pages. Once dragging is allowed, a drag started on an item is
// offered to the page, which alone decides whether a point is a drop target and what a
// drop does. Items are drawn the way the page asks. Every row is one line of text high,
// so that a change in a large tree does not measure the rows above it.
class MenuTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit MenuTreeView(QWidget* parent = nullptr);

    std::function<bool(const QPoint&)> acceptsDropAt;
    std::function<void(const QPoint&)> dropAt;
    std::function<void(QStyleOptionViewItem&)> customDraw;

    void allowDragging();
    // Adds the item, with the items below it, as the last top-level item and expands every
    // one of them that has children.
    void addExpandedTopLevelItem(QTreeWidgetItem* item);
    // Expands the item and every item below it. Only the items shown collapsed are
    // visited, so that expanding a large tree that is already open costs nothing.
    void expandSubtree(QTreeWidgetItem* item);
    // Marks an item that was added collapsed with children of its own.
    void addedCollapsed(QTreeWidgetItem* item);
    // Widens the column, never narrows it, so that the item's label is shown whole.
    // Measuring one item instead of the whole tree keeps edits cheap in a large tree.
    void fitLabel(QTreeWidgetItem* item);
    // Makes the column exactly as wide as the widest shown label (and the view).
    void fitLabels();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void reset() override;

private:
    int m_narrowest = 0;
    // The items with children that are shown collapsed.
    QSet<QTreeWidgetItem*> m_collapsed;
};
