#pragma once

#include "project/menurecord.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace tz {

// The records of a structure tree's items in tree order, root excluded.
using MenuRecords = QList<TMyMenuData>;

// One edit of a structure tree, in terms of its items in tree order (the root not counted).
// Either the `removed` items at `first` gave way to `records` (an item added, deleted, or
// its texts changed), or they moved, records unchanged, and now begin at `movedTo`.
struct MenuEdit {
    qsizetype first = 0;
    qsizetype removed = 0;
    MenuRecords records;
    qsizetype movedTo = -1;
    // The structure lines of the items that stand in place now, in reverse tree order;
    // none when only texts changed.
    QStringList lines;

    bool isMove() const { return movedTo >= 0; }
    bool changesStructure() const { return isMove() || removed != records.size(); }
};

// The latest edits of one tree, for those who keep a copy of its records or structure
// lines up to date by edits instead of making it anew. Edits are kept only once someone
// has asked for them, so that building a tree keeps none.
class MenuHistory {
public:
    MenuHistory();

    quint64 tree() const { return m_tree; }
    quint64 revision() const { return m_revision; }
    // The edits made after the given revision of this tree, oldest first; none when that
    // revision is of another tree or older than the edits kept.
    std::optional<std::span<const MenuEdit>> since(quint64 tree, quint64 revision) const;
    // Counts an edit; it is kept only once someone has asked, and made only then.
    template <typename Make> void add(Make&& make) {
        ++m_revision;
        if (m_asked)
            keep(make());
    }

private:
    static constexpr std::size_t kKept = 16;

    void keep(MenuEdit edit);

    quint64 m_tree;
    quint64 m_revision = 0;
    std::vector<MenuEdit> m_edits;
    mutable bool m_asked = false;
};

} // namespace tz
