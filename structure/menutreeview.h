#pragma once

#include <QPersistentModelIndex>
#include <QSet>
#include <QTreeView>

#include <functional>

class QStyleOptionViewItem;

// The tree of the structure pages. Once dragging is allowed, a drag started on an item is
// offered to the page, which alone decides whether a point is a drop target and what a
// drop does. Items are drawn the way the page asks. Every row is one line of text high,
// so that a change in a large tree does not measure the rows above it.
class MenuTreeView : public QTreeView {
    Q_OBJECT
public:
    // Where a drop on an item lands: before it or after it among its siblings, or into it.
    enum class DropPlace { Before, After, Into };

    explicit MenuTreeView(QWidget* parent = nullptr);

    std::function<bool(const QPoint&)> acceptsDropAt;
    std::function<void(const QPoint&)> dropAt;
    std::function<void(QStyleOptionViewItem&)> customDraw;
    // Set instead of the two above, a drop lands at a place that the view shows while
    // dragging: a line between items, or a frame around the item it goes into.
    std::function<bool(const QModelIndex&, DropPlace)> acceptsDropPlace;
    std::function<void(const QModelIndex&, DropPlace)> dropAtPlace;

    void allowDragging();
    // Expands every item below the index that has children, the index too.
    void expandWithChildren(const QModelIndex& index);
    // Expands the item and every item below it. Only the items shown collapsed are
    // visited, so that expanding a large tree that is already open costs nothing.
    void expandSubtree(const QModelIndex& index);
    // Collapses the item and every item below it that has children.
    void collapseSubtree(const QModelIndex& index);
    // Widens the column, never narrows it, so that the item's label is shown whole.
    // Measuring one item instead of the whole tree keeps edits cheap in a large tree.
    void fitLabel(const QModelIndex& index);
    // Makes the column exactly as wide as the widest shown label (and the view).
    void fitLabels();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reset() override;

private:
    struct Place {
        QPersistentModelIndex item;
        DropPlace place = DropPlace::Into;
    };
    // The place a drop at the point would land: the upper and lower quarters of a row are
    // before and after it, the rest into it. Below an open item with children is before
    // its first child, the line drawn being the same.
    Place placeAt(const QPoint& point) const;
    void showPlace(const Place& place);

    int m_narrowest = 0;
    Place m_shownPlace;
    // The items with children that are shown collapsed; items deleted since are invalid.
    QSet<QPersistentModelIndex> m_collapsed;
};
