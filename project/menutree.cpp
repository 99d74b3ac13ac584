#include "project/menutree.h"

#include "project/random32.h"
#include "project/relocate.h"

#include <algorithm>

namespace tz {
namespace {

QString structureLine(const MenuNode* node) {
    return QString::number(node->level()) + u':' + QString::number(node->record()->Uid);
}

} // namespace

const QString& MenuNode::text() const {
    return m_record ? m_record->Caption : MenuTree::rootText();
}

int MenuNode::level() const {
    int level = 0;
    for (const MenuNode* n = m_parent; n; n = n->m_parent)
        ++level;
    return level;
}

bool MenuNode::isAncestorOf(const MenuNode* node) const {
    for (const MenuNode* n = node ? node->m_parent : nullptr; n; n = n->m_parent) {
        if (n == this)
            return true;
    }
    return false;
}

const QString& MenuTree::rootText() {
    static const QString text = QStringLiteral("Главное Меню Программы");
    return text;
}

const QString& MenuTree::newItemCaption() {
    static const QString text = QStringLiteral("Новый пункт меню");
    return text;
}

const QString& MenuTree::newItemDescription() {
    static const QString text = QStringLiteral("Описание не готово");
    return text;
}

std::vector<const MenuNode*> MenuTree::unfinishedItems() const {
    std::vector<const MenuNode*> found;
    // A walk without recursion: a tree may be deeper than the stack.
    std::vector<std::pair<const MenuNode*, int>> path{{m_root.get(), 0}};
    while (!path.empty()) {
        auto& [node, next] = path.back();
        if (next == node->childCount()) {
            path.pop_back();
            continue;
        }
        const MenuNode* child = node->child(next++);
        const TMyMenuData* record = child->record();
        if (record->Caption == newItemCaption() || record->Description == newItemDescription())
            found.push_back(child);
        path.emplace_back(child, 0);
    }
    return found;
}

QString MenuTree::placeOf(const MenuNode* node) {
    QString place;
    for (; node && node->parent(); node = node->parent())
        place.prepend(QString::number(node->row() + 1) + u'.');
    return place;
}

MenuTree::MenuTree() : m_root(std::make_unique<MenuNode>()) {}

MenuTree::MenuTree(MenuTree&&) noexcept = default;
MenuTree& MenuTree::operator=(MenuTree&&) noexcept = default;
MenuTree::~MenuTree() = default;

bool MenuTree::canDrop(const MenuNode* dragged, const MenuNode* target) {
    return dragged && target && target != dragged && dragged->parent() &&
           !dragged->isAncestorOf(target);
}

qint32 MenuTree::drawUid(Random32& random) const {
    qint32 uid;
    do
        uid = qint32(random.below(9999999)) + 10000000;
    while (hasUid(uid));
    return uid;
}

// The nodes before the item in tree order are, at each level up, its parent and the
// subtrees of its earlier siblings. Those are summed from whichever end of the siblings
// reaches the item first: an item added last is found at once.
int MenuTree::indexOf(const MenuNode* item) const {
    int index = -1;
    for (const MenuNode* node = item; node->m_parent; node = node->m_parent) {
        const MenuNode* parent = node->m_parent;
        const auto& siblings = parent->m_children;
        std::size_t front = 0, back = siblings.size();
        int before = 0, after = 0;
        for (;;) {
            if (siblings[front].get() == node)
                break;
            before += siblings[front++]->m_size;
            const MenuNode* last = siblings[--back].get();
            if (last == node) {
                before = parent->m_size - 1 - node->m_size - after;
                break;
            }
            after += last->m_size;
        }
        index += before + 1;
    }
    return index;
}

MenuNode* MenuTree::addItem(MenuNode* parent, qint32 uid) {
    return appendItem(parent, {newItemCaption(), newItemDescription(), 0, uid});
}

MenuNode* MenuTree::appendItem(MenuNode* parent, TMyMenuData record) {
    auto owned = std::make_unique<MenuNode>();
    MenuNode* node = owned.get();
    ++m_uidCount[record.Uid];
    node->m_record = std::make_unique<TMyMenuData>(record);
    node->m_parent = parent;
    node->m_row = parent->childCount();
    parent->m_children.push_back(std::move(owned));
    for (MenuNode* n = parent; n; n = n->m_parent)
        ++n->m_size;
    const int index = indexOf(node);
    m_records.insert(index, record);
    m_history.add([&] {
        return MenuEdit{index, 0, {std::move(record)}, -1, {structureLine(node)}};
    });
    return node;
}

std::unique_ptr<MenuNode> MenuTree::detach(MenuNode* node) {
    auto& siblings = node->m_parent->m_children;
    const auto at = siblings.begin() + node->m_row;
    std::unique_ptr<MenuNode> owned = std::move(*at);
    for (auto it = siblings.erase(at); it != siblings.end(); ++it)
        --(*it)->m_row;
    return owned;
}

void MenuTree::forgetUids(const MenuNode* node) {
    auto it = m_uidCount.find(node->m_record->Uid);
    if (it != m_uidCount.end() && --it.value() == 0)
        m_uidCount.erase(it);
    for (const auto& child : node->m_children)
        forgetUids(child.get());
}

bool MenuTree::removeItem(MenuNode* node) {
    MenuNode* parent = node->m_parent;
    if (!parent || node->hasChildren())
        return false;
    const int index = indexOf(node);
    m_records.remove(index);
    m_history.add([&] { return MenuEdit{index, 1, {}, -1, {}}; });
    forgetUids(node);
    for (MenuNode* n = parent; n; n = n->m_parent)
        --n->m_size;
    detach(node);
    return true;
}

void MenuTree::appendStructureLines(const MenuNode* node, QStringList& lines) const {
    lines.append(structureLine(node));
    for (const auto& child : node->m_children)
        appendStructureLines(child.get(), lines);
}

bool MenuTree::drop(MenuNode* dragged, MenuNode* target) {
    if (!canDrop(dragged, target))
        return false;
    const int count = dragged->m_size;
    const int from = indexOf(dragged);

    for (MenuNode* n = dragged->m_parent; n; n = n->m_parent)
        n->m_size -= count;
    std::unique_ptr<MenuNode> owned = detach(dragged);
    dragged->m_parent = target;
    dragged->m_row = target->childCount();
    target->m_children.push_back(std::move(owned));
    for (MenuNode* n = target; n; n = n->m_parent)
        n->m_size += count;

    const int to = indexOf(dragged);
    if (to > from)
        rotateElements(m_records, from, from + count, to + count);
    else
        rotateElements(m_records, to, from, from + count);
    // The levels below the dragged node have changed with it.
    m_history.add([&] {
        QStringList lines;
        lines.reserve(count);
        appendStructureLines(dragged, lines);
        std::reverse(lines.begin(), lines.end());
        return MenuEdit{from, count, {}, to, std::move(lines)};
    });
    return true;
}

void MenuTree::setCaption(MenuNode* item, const QString& caption) {
    if (!item->m_record)
        return;
    item->m_record->Caption = caption;
    const int index = indexOf(item);
    m_records[index].Caption = caption;
    m_history.add([&] { return MenuEdit{index, 1, {m_records.at(index)}, -1, {}}; });
}

void MenuTree::setDescription(MenuNode* item, const QString& description) {
    if (!item->m_record)
        return;
    item->m_record->Description = description;
    const int index = indexOf(item);
    m_records[index].Description = description;
    m_history.add([&] { return MenuEdit{index, 1, {m_records.at(index)}, -1, {}}; });
}

QStringList MenuTree::structureLines() const {
    QStringList lines;
    lines.reserve(m_records.size() + 1);
    for (const auto& child : m_root->m_children)
        appendStructureLines(child.get(), lines);
    std::reverse(lines.begin(), lines.end());
    lines.append(QStringLiteral("0:") + rootText());
    return lines;
}

// The lines stand in reverse tree order: the item at position i of n is line n - 1 - i.
void MenuTree::updateStructureLines(QStringList& lines, StructureLinesState& state) const {
    const auto edits = m_history.since(state.tree, state.revision);
    if (!edits || lines.size() != state.size || marksOf(lines) != state.marks) {
        lines = structureLines();
    } else {
        for (const MenuEdit& edit : *edits) {
            if (!edit.changesStructure())
                continue;
            const qsizetype items = lines.size() - 1;
            const qsizetype removedAt = items - edit.first - edit.removed;
            lines.remove(removedAt, edit.removed);
            const qsizetype at = edit.isMove() ? items - edit.movedTo - edit.removed : removedAt;
            lines.insert(at, edit.lines.size(), QString());
            std::copy(edit.lines.begin(), edit.lines.end(), lines.begin() + at);
        }
    }
    state = {m_history.tree(), m_history.revision(), marksOf(lines), lines.size()};
}

} // namespace tz
