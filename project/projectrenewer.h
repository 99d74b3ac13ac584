#pragma once

#include "project/listmarks.h"
#include "project/projectkeys.h"
#include "project/projecttext.h"

#include <array>

namespace tz {

// Rewrites a project text from the pages' values as renewProjectText does, with the same
// result, but once it has rewritten a text it touches only the blocks whose values differ
// from the last ones, in place, with the other blocks' positions kept, so that a keystroke
// in one field of a large project costs what that field costs. Values that are the same
// objects as last time are recognised without reading them; the structure lines are
// compared with the entries of their block; the menu block follows the tree's edits when
// they are given. A text that was replaced or changed since the last rewrite is rewritten
// whole.
// Where structure lines come from, when their owner knows: a tree and the count of its
// edits that the lines follow.
struct LinesSource {
    quint64 tree = 0;
    quint64 revision = 0;
    bool operator==(const LinesSource&) const = default;
};

class ProjectRenewer {
public:
    // In the extended mode the extended fields' blocks are written too.
    explicit ProjectRenewer(bool extended = false) : m_extended(extended) {}

    // The same list of structure lines, left as it was and with the same source as last
    // time, is taken as unchanged without being compared.
    void renew(QStringList& text, const ProjectValues& values, const QStringList& structureLines,
               const MenuRecords& menu, const MenuHistory* history = nullptr,
               LinesSource linesSource = {});
    // When the text is exactly what a rewrite with these values would make of it, as an
    // opened file that the program wrote is, takes it as its own rewrite, so that even the
    // first rewrite after opening touches only what changes; a value's lines then become
    // its one entry, as a rewrite writes it (the file is the same). False, and nothing
    // changed or learnt, otherwise.
    bool adopt(QStringList& text, const ProjectValues& values, const QStringList& structureLines,
               const MenuRecords& menu, const MenuHistory* history = nullptr,
               LinesSource linesSource = {});
    // The next rewrite rewrites every block.
    void forget() { m_valid = false; }

private:
    // Blocks by index: the mode's fields in the table's order, then the structure and the
    // menu.
    static constexpr std::size_t kBlocks = kFieldCount + 2;
    std::size_t fieldCount() const { return fieldsOf(m_extended).size(); }
    std::size_t structureBlock() const { return fieldCount(); }
    std::size_t menuBlock() const { return fieldCount() + 1; }
    std::size_t blockCount() const { return fieldCount() + 2; }
    bool isValueBlock(std::size_t block) const { return block < fieldCount(); }
    QStringView keyOf(std::size_t block) const;
    QString valueOf(const ProjectValues& values, std::size_t block) const;
    using KeyPositions = std::array<qsizetype, kFieldCount + keys::fixed.size()>;
    KeyPositions findAllKeys(const QStringList& text) const;
    qsizetype positionOf(const KeyPositions& found, std::size_t block) const;
    bool isRewrittenKey(const QString& line) const;
    qsizetype regionEnd(const QStringList& text, qsizetype key, std::size_t block) const;
    bool missesEnsuredKey(const KeyPositions& found) const;
    void ensureExtendedKeys(QStringList& text, const ProjectValues& values,
                            KeyPositions& found) const;

    void renewAll(QStringList& text, const ProjectValues& values, const QStringList& structureLines,
                  const MenuRecords& menu, const MenuHistory* history);
    bool renewStructure(QStringList& text, const QStringList& structureLines);
    bool renewMenu(QStringList& text, const MenuRecords& menu, const MenuHistory* history);
    void applyEdit(QStringList& text, const MenuEdit& edit);
    // The block's entries at the position grew or shrank by the difference.
    void resized(std::size_t block, qsizetype difference);
    void remember(const QStringList& text, const QStringList& structureLines,
                  LinesSource linesSource);
    bool stillWritten(const QStringList& text) const;
    // The storage of the block's key line and of its first and last entry.
    using BlockMarks = std::array<const QChar*, 3>;
    BlockMarks blockMarks(const QStringList& text, std::size_t block) const;

    bool m_extended = false;
    bool m_valid = false;
    // Where each block stands: its key line (-1 for a block the text does not hold), and the
    // entries written after it.
    std::array<qsizetype, kBlocks> m_key{};
    std::array<qsizetype, kBlocks> m_size{};
    // The values written, as they were given, and the tree state the menu block shows.
    std::array<QString, kBlocks> m_given;
    quint64 m_tree = 0;
    quint64 m_revision = 0;
    // The structure lines last written: their source, storage, length and first and last
    // lines.
    LinesSource m_linesSource;
    ListMarks m_linesMarks{};
    qsizetype m_linesSize = -1;
    // How the text looked after the last rewrite: its length and storage, and the storage
    // of each block's key line and first and last entry.
    qsizetype m_textSize = -1;
    const QString* m_textData = nullptr;
    std::array<BlockMarks, kBlocks> m_marks{};
};

} // namespace tz
