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

int MenuNode::height() const {
    int deepest = 0;
    forEachBelow(this, [&](const MenuNode*, int depth) { deepest = std::max(deepest, depth); });
    return deepest + 1;
}

MenuKind MenuNode::kind() const {
    return m_record && m_children.empty() ? m_record->Kind : MenuKind::Submenu;
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
    forEachBelow(m_root.get(), [&](const MenuNode* item, int) {
        const TMyMenuData* record = item->record();
        if (record->Caption == newItemCaption() || record->Description == newItemDescription())
            found.push_back(item);
    });
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

void MenuTree::attach(std::unique_ptr<MenuNode> node, MenuNode* parent, int row) {
    node->m_parent = parent;
    auto& siblings = parent->m_children;
    for (auto it = siblings.insert(siblings.begin() + row, std::move(node)); it != siblings.end();
         ++it)
        (*it)->m_row = row++;
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
    return move(dragged, target, target->childCount() - (dragged->m_parent == target ? 1 : 0));
}

bool MenuTree::move(MenuNode* node, MenuNode* parent, int row) {
    if (!canDrop(node, parent) || row < 0 ||
        row > parent->childCount() - (node->m_parent == parent ? 1 : 0))
        return false;
    const int count = node->m_size;
    const int from = indexOf(node);

    for (MenuNode* n = node->m_parent; n; n = n->m_parent)
        n->m_size -= count;
    attach(detach(node), parent, row);
    for (MenuNode* n = parent; n; n = n->m_parent)
        n->m_size += count;

    const int to = indexOf(node);
    if (to > from)
        rotateElements(m_records, from, from + count, to + count);
    else
        rotateElements(m_records, to, from, from + count);
    // The levels below the moved node have changed with it.
    m_history.add([&] {
        QStringList lines;
        lines.reserve(count);
        appendStructureLines(node, lines);
        std::reverse(lines.begin(), lines.end());
        return MenuEdit{from, count, {}, to, std::move(lines)};
    });
    return true;
}

MenuBranch MenuTree::takeBranch(MenuNode* node) {
    MenuNode* parent = node->m_parent;
    if (!parent)
        return {};
    const int count = node->m_size;
    const int index = indexOf(node);
    MenuBranch branch{m_records.mid(index, count), {0}};
    branch.depths.reserve(count);
    forEachBelow(node, [&](const MenuNode*, int depth) { branch.depths.append(depth); });
    m_records.remove(index, count);
    m_history.add([&] { return MenuEdit{index, count, {}, -1, {}}; });
    forgetUids(node);
    for (MenuNode* n = parent; n; n = n->m_parent)
        n->m_size -= count;
    detach(node);
    return branch;
}

MenuNode* MenuTree::insertBranch(MenuNode* parent, int row, const MenuBranch& branch) {
    const int count = int(branch.records.size());
    if (count == 0 || row < 0 || row > parent->childCount())
        return nullptr;
    // The branch is built apart, its sizes summed from its last node back, then put in.
    std::vector<MenuNode*> built;
    built.reserve(std::size_t(count));
    std::vector<MenuNode*> path;
    std::unique_ptr<MenuNode> top;
    for (int i = 0; i < count; ++i) {
        auto owned = std::make_unique<MenuNode>();
        MenuNode* node = owned.get();
        built.push_back(node);
        node->m_record = std::make_unique<TMyMenuData>(branch.records.at(i));
        ++m_uidCount[node->m_record->Uid];
        path.resize(std::size_t(branch.depths.at(i)));
        Q_ASSERT(path.empty() == (i == 0));
        if (path.empty())
            top = std::move(owned);
        else
            attach(std::move(owned), path.back(), path.back()->childCount());
        path.push_back(node);
    }
    for (auto it = built.rbegin(); it != built.rend(); ++it) {
        for (const auto& child : (*it)->m_children)
            (*it)->m_size += child->m_size;
    }
    MenuNode* node = top.get();
    attach(std::move(top), parent, row);
    for (MenuNode* n = parent; n; n = n->m_parent)
        n->m_size += count;

    const int index = indexOf(node);
    m_records.insert(index, count, TMyMenuData());
    std::copy(branch.records.begin(), branch.records.end(), m_records.begin() + index);
    m_history.add([&] {
        QStringList lines;
        lines.reserve(count);
        appendStructureLines(node, lines);
        std::reverse(lines.begin(), lines.end());
        return MenuEdit{index, 0, branch.records, -1, std::move(lines)};
    });
    return node;
}

void MenuTree::setCaption(MenuNode* item, const QString& caption) {
    if (!item->m_record)
        return;
    item->m_record->Caption = caption;
    recordChanged(item);
}

void MenuTree::setDescription(MenuNode* item, const QString& description) {
    if (!item->m_record)
        return;
    item->m_record->Description = description;
    recordChanged(item);
}

void MenuTree::setKind(MenuNode* item, MenuKind kind) {
    if (!item->m_record)
        return;
    item->m_record->Kind = kind;
    recordChanged(item);
}

void MenuTree::recordChanged(MenuNode* item) {
    const int index = indexOf(item);
    m_records[index] = *item->m_record;
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
