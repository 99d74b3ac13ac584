#pragma once

#include "project/listmarks.h"
#include "project/menurecord.h"
#include "project/projecttext.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace tz {

class Random32;

// One node of the menu structure. The root carries no record; every item owns exactly one.
// A node is kept small, as a view laying out a large tree visits every one.
class MenuNode {
public:
    // The item's caption; the root's fixed text.
    const QString& text() const;
    const TMyMenuData* record() const { return m_record.get(); }
    MenuNode* parent() const { return m_parent; }
    int childCount() const { return int(m_children.size()); }
    MenuNode* child(int i) const { return m_children[std::size_t(i)].get(); }
    bool hasChildren() const { return !m_children.empty(); }
    // The position among the parent's children; 0 for the root.
    int row() const { return m_row; }
    // The number of ancestors: 0 for the root, 1 for its children.
    int level() const;
    bool isAncestorOf(const MenuNode* node) const;
    // The levels the subtree spans: 1 for a node without children.
    int height() const;
    // An item with children is a submenu; one without is what its record says. The root is
    // the main menu.
    MenuKind kind() const;

private:
    friend class MenuTree;
    std::unique_ptr<TMyMenuData> m_record;
    MenuNode* m_parent = nullptr;
    std::vector<std::unique_ptr<MenuNode>> m_children;
    int m_size = 1; // the nodes of the subtree, this one included
    int m_row = 0;
};

// Visits the nodes below the top one in tree order, each with its depth below it (1 for its
// children), without recursion: a tree may be deeper than the stack.
template <typename Visit> void forEachBelow(const MenuNode* top, Visit&& visit) {
    std::vector<std::pair<const MenuNode*, int>> path{{top, 0}};
    while (!path.empty()) {
        auto& [node, next] = path.back();
        if (next == node->childCount()) {
            path.pop_back();
            continue;
        }
        const MenuNode* child = node->child(next++);
        visit(child, int(path.size()));
        path.emplace_back(child, 0);
    }
}

// An item with its subtree, taken out of a tree or to be put into one: the records in tree
// order, each with its level below the top item (0 for the top item itself).
struct MenuBranch {
    MenuRecords records;
    QList<int> depths;
};

// Which state of a tree a list of its structure lines shows, and how the list was left:
// its storage, length and first and last lines.
struct StructureLinesState {
    quint64 tree = 0;
    quint64 revision = 0;
    ListMarks marks{};
    qsizetype size = -1;
};

// The menu structure of the future program: a fixed root and the items under it. The
// records in tree order are kept up to date with every change, and every change is
// recorded as an edit of them, so that a change in a large tree costs no walk over it.
class MenuTree {
public:
    static const QString& rootText();
    static const QString& newItemCaption();
    static const QString& newItemDescription();

    MenuTree();
    MenuTree(MenuTree&&) noexcept;
    MenuTree& operator=(MenuTree&&) noexcept;
    ~MenuTree();

    MenuNode* root() const { return m_root.get(); }
    bool hasItems() const { return m_root->hasChildren(); }

    // The deepest level at which the editor adds items: only under nodes of level 5 or less.
    static constexpr int kDeepestLevel = 6;
    static bool canAddUnder(const MenuNode* node) { return node->level() < kDeepestLevel; }
    // Whether the dragged node may be dropped on the target: a target exists and is not the
    // dragged node, the root is not dragged, and the target is outside the dragged subtree.
    static bool canDrop(const MenuNode* dragged, const MenuNode* target);

    // A Uid from the generator that no item of the tree has yet.
    qint32 drawUid(Random32& random) const;
    bool hasUid(qint32 uid) const { return m_uidCount.contains(uid); }

    // Appends a new item with the default texts as the last child of the parent.
    MenuNode* addItem(MenuNode* parent, qint32 uid);
    // Appends an item with the given record as the last child of the parent.
    MenuNode* appendItem(MenuNode* parent, TMyMenuData record);
    // Deletes a childless item with its record; false (and nothing changes) for the root
    // or an item that has children.
    bool removeItem(MenuNode* node);
    // Moves the dragged node, with its descendants and their records, order and texts, to
    // the end of the target's children; false (and nothing changes) when the drop is
    // refused. The nodes stay the same objects.
    bool drop(MenuNode* dragged, MenuNode* target);
    // Moves the node as a drop on the parent would, to the row given among the parent's
    // children as they stand after the move; false (and nothing changes) when the drop
    // would be refused or the row is not one of those.
    bool move(MenuNode* node, MenuNode* parent, int row);
    // Deletes the item with its subtree and records; an empty branch for the root.
    MenuBranch takeBranch(MenuNode* node);
    // Puts the branch under the parent at the row; returns its top item, or null (and
    // nothing changes) for an empty branch or a row the parent has not.
    MenuNode* insertBranch(MenuNode* parent, int row, const MenuBranch& branch);

    void setCaption(MenuNode* item, const QString& caption);
    void setDescription(MenuNode* item, const QString& description);
    void setKind(MenuNode* item, MenuKind kind);

    // The items that still carry the new item's caption or description, in tree order.
    std::vector<const MenuNode*> unfinishedItems() const;
    // The node's place in the tree: its position among its siblings, and theirs up to the
    // root's children, each from 1 and followed by a point ("2.1.").
    static QString placeOf(const MenuNode* node);

    // The items' records in tree order, root excluded.
    const MenuRecords& records() const { return m_records; }
    const MenuHistory& history() const { return m_history; }
    // One line per node in reverse tree order, the root's line last, made by a walk.
    QStringList structureLines() const;
    // Brings lines that this function left at an earlier state of the tree up to date by
    // the edits since; lines of another tree, changed since, or too old are made anew.
    void updateStructureLines(QStringList& lines, StructureLinesState& state) const;

private:
    // The item's position in tree order, as in records().
    int indexOf(const MenuNode* item) const;
    void forgetUids(const MenuNode* node);
    // Takes the node out of its parent's children; its subtree's sizes are the caller's.
    std::unique_ptr<MenuNode> detach(MenuNode* node);
    // Puts the node under the parent at the row; sizes are the caller's.
    static void attach(std::unique_ptr<MenuNode> node, MenuNode* parent, int row);
    // The structure lines of the subtree in tree order.
    void appendStructureLines(const MenuNode* node, QStringList& lines) const;
    // An edit of the records at the item's position: its record changed.
    void recordChanged(MenuNode* item);

    std::unique_ptr<MenuNode> m_root;
    QHash<qint32, int> m_uidCount;
    MenuRecords m_records;
    MenuHistory m_history;
};

} // namespace tz
