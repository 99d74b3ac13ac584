#pragma once

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
class MenuNode {
public:
    const QString& text() const { return m_text; }
    const TMyMenuData* record() const { return m_record.get(); }
    MenuNode* parent() const { return m_parent; }
    int childCount() const { return int(m_children.size()); }
    MenuNode* child(int i) const { return m_children[std::size_t(i)].get(); }
    bool hasChildren() const { return !m_children.empty(); }
    // The number of ancestors: 0 for the root, 1 for its children.
    int level() const;
    bool isAncestorOf(const MenuNode* node) const;

private:
    friend class MenuTree;
    QString m_text;
    std::unique_ptr<TMyMenuData> m_record;
    MenuNode* m_parent = nullptr;
    std::vector<std::unique_ptr<MenuNode>> m_children;
};

// The menu structure of the future program: a fixed root and the items under it.
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

    // Items are added only under nodes of level 5 or less, so none is deeper than level 6.
    static bool canAddUnder(const MenuNode* node) { return node->level() <= 5; }
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

    // Appends under the target one node with the source's text that takes over the
    // source's record; the source keeps its place and children.
    MenuNode* appendCopy(MenuNode* target, MenuNode* source);
    // appendCopy for the source, then for each of its children in order under the copy.
    MenuNode* copySubtree(MenuNode* target, MenuNode* source);
    // Deletes the node with its descendants and the records they still hold.
    void destroySubtree(MenuNode* node);
    // Moves the dragged subtree to the end of the target's children, records, order and
    // texts kept; null (and nothing changes) when the drop is refused.
    MenuNode* drop(MenuNode* dragged, MenuNode* target);

    void setCaption(MenuNode* item, const QString& caption);
    void setDescription(MenuNode* item, const QString& description);

    // The items' records in tree order, root excluded. Kept between changes, so repeated
    // calls cost nothing.
    const MenuRecords& records() const;
    // One line per node in reverse tree order, the root's line last.
    QStringList structureLines() const;
    // Inserts the node's line at the front of the list, then walks its children in order.
    static void addStructureLines(const MenuNode* node, QStringList& lines);

private:
    void changed() { m_recordsValid = false; }
    void forgetRecords(MenuNode* node);

    std::unique_ptr<MenuNode> m_root;
    QHash<qint32, int> m_uidCount;
    mutable MenuRecords m_records;
    mutable bool m_recordsValid = false;
};

} // namespace tz
