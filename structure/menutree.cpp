#include "structure/menutree.h"

#include "project/random32.h"

namespace tz {

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

MenuTree::MenuTree() : m_root(std::make_unique<MenuNode>()) {
    m_root->m_text = rootText();
}

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

MenuNode* MenuTree::addItem(MenuNode* parent, qint32 uid) {
    return appendItem(parent, {newItemCaption(), newItemDescription(), 0, uid});
}

MenuNode* MenuTree::appendItem(MenuNode* parent, TMyMenuData record) {
    auto node = std::make_unique<MenuNode>();
    node->m_text = record.Caption;
    ++m_uidCount[record.Uid];
    node->m_record = std::make_unique<TMyMenuData>(std::move(record));
    node->m_parent = parent;
    parent->m_children.push_back(std::move(node));
    changed();
    return parent->m_children.back().get();
}

bool MenuTree::removeItem(MenuNode* node) {
    if (!node->parent() || node->hasChildren())
        return false;
    destroySubtree(node);
    return true;
}

MenuNode* MenuTree::appendCopy(MenuNode* target, MenuNode* source) {
    auto node = std::make_unique<MenuNode>();
    node->m_text = source->m_text;
    node->m_record = std::move(source->m_record);
    node->m_parent = target;
    target->m_children.push_back(std::move(node));
    changed();
    return target->m_children.back().get();
}

MenuNode* MenuTree::copySubtree(MenuNode* target, MenuNode* source) {
    MenuNode* copy = appendCopy(target, source);
    for (const auto& child : source->m_children)
        copySubtree(copy, child.get());
    return copy;
}

void MenuTree::forgetRecords(MenuNode* node) {
    if (node->m_record) {
        auto it = m_uidCount.find(node->m_record->Uid);
        if (it != m_uidCount.end() && --it.value() == 0)
            m_uidCount.erase(it);
    }
    for (const auto& child : node->m_children)
        forgetRecords(child.get());
}

void MenuTree::destroySubtree(MenuNode* node) {
    MenuNode* parent = node->m_parent;
    if (!parent)
        return;
    forgetRecords(node);
    auto& siblings = parent->m_children;
    for (auto it = siblings.begin(); it != siblings.end(); ++it) {
        if (it->get() == node) {
            siblings.erase(it);
            break;
        }
    }
    changed();
}

MenuNode* MenuTree::drop(MenuNode* dragged, MenuNode* target) {
    if (!canDrop(dragged, target))
        return nullptr;
    MenuNode* copy = copySubtree(target, dragged);
    destroySubtree(dragged);
    return copy;
}

void MenuTree::setCaption(MenuNode* item, const QString& caption) {
    if (!item->m_record)
        return;
    item->m_text = caption;
    item->m_record->Caption = caption;
    changed();
}

void MenuTree::setDescription(MenuNode* item, const QString& description) {
    if (!item->m_record)
        return;
    item->m_record->Description = description;
    changed();
}

const MenuRecords& MenuTree::records() const {
    if (m_recordsValid)
        return m_records;
    m_records.clear();
    std::vector<const MenuNode*> pending;
    for (int i = m_root->childCount() - 1; i >= 0; --i)
        pending.push_back(m_root->child(i));
    while (!pending.empty()) {
        const MenuNode* node = pending.back();
        pending.pop_back();
        m_records.append(*node->record());
        for (int i = node->childCount() - 1; i >= 0; --i)
            pending.push_back(node->child(i));
    }
    m_recordsValid = true;
    return m_records;
}

QStringList MenuTree::structureLines() const {
    QStringList lines;
    addStructureLines(m_root.get(), lines);
    return lines;
}

void MenuTree::addStructureLines(const MenuNode* node, QStringList& lines) {
    const QString value = node->record() ? QString::number(node->record()->Uid) : node->text();
    lines.prepend(QString::number(node->level()) + u':' + value);
    for (const auto& child : node->m_children)
        addStructureLines(child.get(), lines);
}

} // namespace tz
