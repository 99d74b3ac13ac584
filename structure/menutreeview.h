#pragma once

#include <QTreeWidget>

#include <functional>

class QStyleOptionViewItem;

// The structure tree: a drag started on an item is offered to the page, which alone
// decides whether a point is a drop target and what a drop does. The selected item is
// drawn the way the page asks.
class MenuTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit MenuTreeView(QWidget* parent = nullptr);

    std::function<bool(const QPoint&)> acceptsDropAt;
    std::function<void(const QPoint&)> dropAt;
    std::function<void(QStyleOptionViewItem&)> customDraw;

    // Expands the item and every item below it.
    void expandSubtree(QTreeWidgetItem* item);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
