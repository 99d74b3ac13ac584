#include "project/menublock.h"

#include "project/projecttext.h"

#include <optional>

namespace tz {
namespace {

bool endsBlock(const QString& entry) {
    if (!entry.startsWith(u'.'))
        return false;
    qsizetype firstLine = 0;
    while (firstLine < entry.size() && entry.at(firstLine) != u'\r' && entry.at(firstLine) != u'\n')
        ++firstLine;
    return firstLine > 2;
}

std::optional<MenuField> tagOf(const QString& entry) {
    if (entry.size() != 2 || entry.at(0) != u'.')
        return std::nullopt;
    switch (entry.at(1).unicode()) {
    case u'c':
        return MenuField::Caption;
    case u'd':
        return MenuField::Description;
    case u'l':
        return MenuField::Tag;
    default:
        return std::nullopt;
    }
}

} // namespace

MenuBlockReader::MenuBlockReader(const QStringList& text, qsizetype key)
    : m_text(text), m_at(key), m_limit(text.size() - 1) {}

// The caption's closing tag is ".d", the description's ".l"; a search that found none is not
// made again over the same entries, so that the block is read in linear time.
void MenuBlockReader::lookForClosingTag(MenuField field) {
    const bool caption = field == MenuField::Caption;
    const QStringView closing = caption ? u".d" : u".l";
    auto& [from, to] = m_missing[caption ? 0 : 1];
    const qsizetype start = m_at + 1;
    if (from >= 0 && start >= from && start <= to)
        return;
    for (qsizetype j = start; j < m_limit; ++j) {
        const QString& entry = m_text.at(j);
        if (entry == closing) {
            m_literalEnd = j;
            return;
        }
        if (isProjectKey(entry)) {
            from = start;
            to = j;
            return;
        }
    }
    from = start;
    to = m_limit;
}

bool MenuBlockReader::next(MenuEntry& entry) {
    const qsizetype at = m_at + 1;
    if (at >= m_limit)
        return false;
    const QString& line = m_text.at(at);
    if (at < m_literalEnd) {
        m_at = at;
        entry = {MenuEntry::FieldLine, m_field, true};
        return true;
    }
    if (line == u".u") {
        m_at = at;
        m_open = true;
        m_field = MenuField::Uid;
        entry = {MenuEntry::RecordStart, MenuField::Uid, true};
        return true;
    }
    if (endsBlock(line))
        return false;
    m_at = at;
    if (!m_open) {
        entry = {MenuEntry::Stray, MenuField::Uid, true};
        return true;
    }
    if (const std::optional<MenuField> tag = tagOf(line)) {
        const bool inOrder = int(*tag) == int(m_field) + 1;
        m_field = *tag;
        if (inOrder && *tag != MenuField::Tag)
            lookForClosingTag(*tag);
        entry = {MenuEntry::FieldTag, *tag, inOrder};
        return true;
    }
    entry = {MenuEntry::FieldLine, m_field, true};
    return true;
}

qsizetype menuBlockEnd(const QStringList& text, qsizetype key) {
    MenuBlockReader reader(text, key);
    MenuEntry entry;
    while (reader.next(entry)) {
    }
    return reader.position() + 1;
}

} // namespace tz
