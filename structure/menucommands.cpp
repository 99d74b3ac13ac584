#include "structure/menucommands.h"

#include "structure/menutreemodel.h"

MenuPath pathOf(const QModelIndex& item) {
    MenuPath path;
    for (QModelIndex index = item; index.parent().isValid(); index = index.parent())
        path.prepend(index.row());
    return path;
}

QModelIndex MenuEditTarget::itemAt(const MenuPath& path) const {
    QModelIndex index = model.rootIndex();
    for (const int row : path)
        index = model.index(row, 0, index);
    return index;
}

BranchCommand::BranchCommand(const MenuEditTarget& target, const QModelIndex& item, bool inserts,
                             const QString& text)
    : QUndoCommand(text), m_target(target), m_parent(pathOf(item)), m_row(0), m_inserts(inserts) {}

BranchCommand* BranchCommand::inserting(const MenuEditTarget& target, const QModelIndex& parent,
                                        int row, tz::MenuBranch branch, const QString& text) {
    auto* command = new BranchCommand(target, parent, true, text);
    command->m_row = row;
    command->m_branch = std::move(branch);
    return command;
}

BranchCommand* BranchCommand::removing(const MenuEditTarget& target, const QModelIndex& item,
                                       const QString& text) {
    auto* command = new BranchCommand(target, item.parent(), false, text);
    command->m_row = item.row();
    return command;
}

void BranchCommand::redo() {
    m_inserts ? insert() : remove();
}

void BranchCommand::undo() {
    m_inserts ? remove() : insert();
}

void BranchCommand::insert() {
    const QModelIndex item =
        m_target.model.insertBranch(m_target.itemAt(m_parent), m_row, m_branch);
    m_branch = {};
    m_target.show(item, true);
}

// The item that takes the removed one's place is shown, or the one before it, or else
// their parent.
void BranchCommand::remove() {
    const QModelIndex parent = m_target.itemAt(m_parent);
    m_branch = m_target.model.takeBranch(m_target.model.index(m_row, 0, parent));
    const int rows = m_target.model.rowCount(parent);
    m_target.show(rows > 0 ? m_target.model.index(std::min(m_row, rows - 1), 0, parent) : parent,
                  false);
}

MoveCommand::MoveCommand(const MenuEditTarget& target, const QModelIndex& item,
                         const QModelIndex& parent, int row, const QString& text)
    : QUndoCommand(text), m_target(target), m_forward{pathOf(item), pathOf(parent), row} {}

void MoveCommand::redo() {
    m_back = apply(m_forward);
}

void MoveCommand::undo() {
    apply(m_back);
}

MoveCommand::Move MoveCommand::apply(const Move& move) {
    const QModelIndex item = m_target.itemAt(move.item);
    const QPersistentModelIndex from = item.parent();
    const int row = item.row();
    const QModelIndex moved = m_target.model.moveItem(item, m_target.itemAt(move.parent), move.row);
    m_target.show(moved, false);
    return {pathOf(moved), pathOf(from), row};
}

TextCommand::TextCommand(const MenuEditTarget& target, const QModelIndex& item, Field field,
                         const QString& text, int typing)
    : QUndoCommand(field == Caption ? QStringLiteral("изменение названия")
                                    : QStringLiteral("изменение описания")),
      m_target(target), m_item(pathOf(item)), m_field(field), m_after(text), m_typing(typing),
      m_shown(typing >= 0) {
    const tz::TMyMenuData* record = target.model.node(item)->record();
    m_before = field == Caption ? record->Caption : record->Description;
}

void TextCommand::redo() {
    set(m_after);
}

void TextCommand::undo() {
    m_shown = false;
    set(m_before);
}

bool TextCommand::mergeWith(const QUndoCommand* other) {
    const auto* typed = static_cast<const TextCommand*>(other);
    if (m_typing < 0 || typed->m_item != m_item || typed->m_typing != m_typing)
        return false;
    m_after = typed->m_after;
    setObsolete(m_after == m_before);
    return true;
}

void TextCommand::set(const QString& text) {
    const QModelIndex item = m_target.itemAt(m_item);
    if (m_field == Caption)
        m_target.model.setCaption(item, text);
    else
        m_target.model.setDescription(item, text);
    if (!m_shown)
        m_target.show(item, false);
}

KindCommand::KindCommand(const MenuEditTarget& target, const QModelIndex& item, tz::MenuKind kind)
    : QUndoCommand(QStringLiteral("изменение типа пункта")), m_target(target), m_item(pathOf(item)),
      m_before(target.model.node(item)->record()->Kind), m_after(kind) {}

void KindCommand::redo() {
    set(m_after);
}

void KindCommand::undo() {
    set(m_before);
}

void KindCommand::set(tz::MenuKind kind) {
    const QModelIndex item = m_target.itemAt(m_item);
    m_target.model.setKind(item, kind);
    m_target.show(item, false);
}
