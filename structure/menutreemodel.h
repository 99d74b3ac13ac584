#pragma once

#include "project/menutree.h"

#include <QAbstractItemModel>

namespace tz {
class ProjectSession;
} // namespace tz

// The project's menu tree for Qt's item views: one column with each node's text, the root
// as the one top-level item. The tree changes only through here, so that its views follow
// each change as it happens instead of taking in a copy of the whole tree, and each change
// goes on to the session, which rewrites the project text.
class MenuTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit MenuTreeModel(tz::ProjectSession& session, QObject* parent = nullptr);

    const tz::MenuTree& tree() const;
    // The node an index shows; null for an index of no node.
    tz::MenuNode* node(const QModelIndex& index) const;
    QModelIndex indexOf(const tz::MenuNode* node) const;
    QModelIndex rootIndex() const { return indexOf(tree().root()); }

    // The tree's edits (see MenuTree); each returns the index of the item concerned, or
    // an invalid one when the edit was refused.
    QModelIndex addItem(const QModelIndex& parent, qint32 uid);
    bool removeItem(const QModelIndex& item);
    QModelIndex drop(const QModelIndex& dragged, const QModelIndex& target);
    void setCaption(const QModelIndex& item, const QString& caption);
    void setDescription(const QModelIndex& item, const QString& description);
    // The extended editor's edits, which its undo reverses: a move to the row among the
    // parent's children as they stand after it, a branch taken out and put back, a kind.
    QModelIndex moveItem(const QModelIndex& item, const QModelIndex& parent, int row);
    tz::MenuBranch takeBranch(const QModelIndex& item);
    QModelIndex insertBranch(const QModelIndex& parent, int row, const tz::MenuBranch& branch);
    void setKind(const QModelIndex& item, tz::MenuKind kind);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    tz::MenuTree& editedTree();

    tz::ProjectSession& m_session;
};
