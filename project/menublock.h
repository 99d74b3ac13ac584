#pragma once

#include <QStringList>

#include <array>
#include <utility>

namespace tz {

// The fields of a ".Menu" record, in the order its tags ".u", ".c", ".d" and ".l" open them.
enum class MenuField { Uid, Caption, Description, Tag };

// What an entry of the ".Menu" block is.
struct MenuEntry {
    enum Kind {
        RecordStart, // ".u"
        FieldTag,    // ".c", ".d" or ".l": opens the field
        FieldLine,   // a line of the field open
        Stray,       // a line before the first record
    } kind = Stray;
    MenuField field = MenuField::Uid;
    bool inOrder = true; // a tag that follows the field before it
};

// Reads the ".Menu" block entry by entry. A record is read by its tags: the caption takes every
// line up to the record's ".d", the description every line up to its ".l", whatever the lines
// begin with, since earlier versions wrote such lines without the "\" written now. Elsewhere,
// and where the closing tag is not ahead (a damaged record), a line that begins with "." and is
// longer than two characters ends the block. The search for the closing tag stops at a key
// line of the project, so that a damaged record never takes the blocks after it; the bytes of
// a file are read under the same bound (fileblocks.h). The text's last line is never in the
// block. An entry of several lines counts by its first line, and is never a tag.
class MenuBlockReader {
public:
    // The block whose key line is at the position.
    MenuBlockReader(const QStringList& text, qsizetype key);

    // The next entry and what it is; false at the block's end.
    bool next(MenuEntry& entry);
    // The position of the entry next() gave last; the key's before the first.
    qsizetype position() const { return m_at; }

private:
    // Where the closing tag of the field stands ahead, its lines end there.
    void lookForClosingTag(MenuField field);

    const QStringList& m_text;
    qsizetype m_at;
    qsizetype m_limit; // the text's last line
    bool m_open = false;
    MenuField m_field = MenuField::Uid;
    // Entries before this position belong to the field open, whatever they are.
    qsizetype m_literalEnd = -1;
    // For ".d" and ".l": no closing tag stands from the first position to the second.
    std::array<std::pair<qsizetype, qsizetype>, 2> m_missing{{{-1, -1}, {-1, -1}}};
};

// The first position after the ".Menu" block whose key line is at the position.
qsizetype menuBlockEnd(const QStringList& text, qsizetype key);

} // namespace tz
