#pragma once

#include <QTreeWidget>

#include <functional>

class QStyleOptionViewItem;

// The tree of the structure pages. Once dragging is allowed, a drag started on an item is
// offered to the page, which alone decides whether a point is a drop target and what a
// drop does. Items are drawn the way the page asks.
class MenuTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit MenuTreeView(QWidget* parent = nullptr);

    std::function<bool(const QPoint&)> acceptsDropAt;
    std::function<void(const QPoint&)> dropAt;
    std::function<void(QStyleOptionViewItem&)> customDraw;

    void allowDragging();
    // Expands the item and every item below it.
    void expandSubtree(QTreeWidgetItem* item);
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

private:
    int m_narrowest = 0;
};
