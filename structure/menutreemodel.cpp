#include "structure/menutreemodel.h"

#include "project/projectsession.h"

MenuTreeModel::MenuTreeModel(tz::ProjectSession& session, QObject* parent)
    : QAbstractItemModel(parent), m_session(session) {
    connect(&session.model(), &tz::ProjectModel::treeAboutToBeReplaced, this,
            &MenuTreeModel::beginResetModel);
    connect(&session.model(), &tz::ProjectModel::treeReplaced, this, &MenuTreeModel::endResetModel);
}

const tz::MenuTree& MenuTreeModel::tree() const {
    return m_session.model().tree();
}

tz::MenuTree& MenuTreeModel::editedTree() {
    return m_session.model().tree();
}

tz::MenuNode* MenuTreeModel::node(const QModelIndex& index) const {
    return index.isValid() && index.model() == this
               ? static_cast<tz::MenuNode*>(index.internalPointer())
               : nullptr;
}

QModelIndex MenuTreeModel::indexOf(const tz::MenuNode* node) const {
    return node ? createIndex(node->row(), 0, const_cast<tz::MenuNode*>(node)) : QModelIndex();
}

QModelIndex MenuTreeModel::addItem(const QModelIndex& parent, qint32 uid) {
    tz::MenuNode* under = node(parent);
    if (!under)
        return {};
    beginInsertRows(parent, under->childCount(), under->childCount());
    tz::MenuNode* added = editedTree().addItem(under, uid);
    endInsertRows();
    m_session.treeEdited(true);
    return indexOf(added);
}

bool MenuTreeModel::removeItem(const QModelIndex& item) {
    tz::MenuNode* removed = node(item);
    if (!removed || !removed->parent() || removed->hasChildren())
        return false;
    beginRemoveRows(item.parent(), item.row(), item.row());
    editedTree().removeItem(removed);
    endRemoveRows();
    m_session.treeEdited(true);
    return true;
}

QModelIndex MenuTreeModel::drop(const QModelIndex& dragged, const QModelIndex& target) {
    tz::MenuNode* moved = node(dragged);
    tz::MenuNode* onto = node(target);
    if (!tz::MenuTree::canDrop(moved, onto))
        return {};
    // Qt refuses, as no move, a drop of the last child on its own parent; the tree is then
    // the same afterwards all the same.
    const bool told =
        beginMoveRows(dragged.parent(), dragged.row(), dragged.row(), target, onto->childCount());
    editedTree().drop(moved, onto);
    if (told)
        endMoveRows();
    m_session.treeEdited(true);
    return indexOf(moved);
}

void MenuTreeModel::setCaption(const QModelIndex& item, const QString& caption) {
    if (tz::MenuNode* edited = node(item)) {
        editedTree().setCaption(edited, caption);
        Q_EMIT dataChanged(item, item, {Qt::DisplayRole});
        m_session.treeEdited(false);
    }
}

void MenuTreeModel::setDescription(const QModelIndex& item, const QString& description) {
    if (tz::MenuNode* edited = node(item)) {
        editedTree().setDescription(edited, description);
        m_session.treeEdited(false);
    }
}

QModelIndex MenuTreeModel::moveItem(const QModelIndex& item, const QModelIndex& parent, int row) {
    tz::MenuNode* moved = node(item);
    tz::MenuNode* under = node(parent);
    if (!tz::MenuTree::canDrop(moved, under) || row < 0 ||
        row > under->childCount() - (moved->parent() == under ? 1 : 0))
        return {};
    // Qt counts the destination row among the children before the move.
    const int before = moved->parent() == under && row > moved->row() ? row + 1 : row;
    const bool told = beginMoveRows(item.parent(), item.row(), item.row(), parent, before);
    editedTree().move(moved, under, row);
    if (told)
        endMoveRows();
    m_session.treeEdited(true);
    return indexOf(moved);
}

tz::MenuBranch MenuTreeModel::takeBranch(const QModelIndex& item) {
    tz::MenuNode* taken = node(item);
    if (!taken || !taken->parent())
        return {};
    beginRemoveRows(item.parent(), item.row(), item.row());
    tz::MenuBranch branch = editedTree().takeBranch(taken);
    endRemoveRows();
    m_session.treeEdited(true);
    return branch;
}

QModelIndex MenuTreeModel::insertBranch(const QModelIndex& parent, int row,
                                        const tz::MenuBranch& branch) {
    tz::MenuNode* under = node(parent);
    if (!under || branch.records.isEmpty() || row < 0 || row > under->childCount())
        return {};
    beginInsertRows(parent, row, row);
    tz::MenuNode* inserted = editedTree().insertBranch(under, row, branch);
    endInsertRows();
    m_session.treeEdited(true);
    return indexOf(inserted);
}

void MenuTreeModel::setKind(const QModelIndex& item, tz::MenuKind kind) {
    if (tz::MenuNode* edited = node(item)) {
        editedTree().setKind(edited, kind);
        m_session.treeEdited(true);
    }
}

QModelIndex MenuTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? rootIndex() : QModelIndex();
    const tz::MenuNode* under = node(parent);
    return under && row < under->childCount() ? createIndex(row, 0, under->child(row))
                                              : QModelIndex();
}

QModelIndex MenuTreeModel::parent(const QModelIndex& child) const {
    const tz::MenuNode* of = node(child);
    return of ? indexOf(of->parent()) : QModelIndex();
}

int MenuTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return 1;
    const tz::MenuNode* under = node(parent);
    return under && parent.column() == 0 ? under->childCount() : 0;
}

int MenuTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool MenuTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant MenuTreeModel::data(const QModelIndex& index, int role) const {
    const tz::MenuNode* shown = node(index);
    if (!shown || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return shown->text();
}

// A node without children says so, which spares the view asking for them as it lays out
// a large tree.
Qt::ItemFlags MenuTreeModel::flags(const QModelIndex& index) const {
    const tz::MenuNode* shown = node(index);
    if (!shown)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (!shown->hasChildren())
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}
