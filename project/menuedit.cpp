#include "project/menuedit.h"

#include <atomic>

namespace tz {

MenuHistory::MenuHistory() {
    static std::atomic<quint64> trees{0};
    m_tree = ++trees;
}

std::optional<std::span<const MenuEdit>> MenuHistory::since(quint64 tree, quint64 revision) const {
    m_asked = true;
    if (tree != m_tree || revision > m_revision || m_revision - revision > m_edits.size())
        return std::nullopt;
    return std::span<const MenuEdit>(m_edits).last(std::size_t(m_revision - revision));
}

void MenuHistory::keep(MenuEdit edit) {
    if (m_edits.size() == kKept)
        m_edits.erase(m_edits.begin());
    m_edits.push_back(std::move(edit));
}

} // namespace tz
