#include "project/projectrenewer.h"

#include "project/listmarks.h"
#include "project/menublock.h"
#include "project/projectfields.h"
#include "project/projectkeys.h"
#include "project/relocate.h"
#include "project/valueescape.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace tz {
namespace {

bool beginsWithDot(const QString& entry) {
    return !entry.isEmpty() && entry.at(0) == u'.';
}

// The same string object: the text cannot differ.
bool identical(const QString& a, const QString& b) {
    return a.constData() == b.constData() && a.size() == b.size();
}

// The same characters: the same storage, or equal.
bool same(const QString& a, const QString& b) {
    return identical(a, b) || a == b;
}

// No written value line begins with ".", which would read back as the end of its block:
// the title page's values lose their leading points as the page itself shows them, and a
// line of any other value is escaped.
QString simpleEntry(const ProjectField& field, const QString& value) {
    return escapeValueLines(keptValue(field, value));
}

void appendRecord(QStringList& out, const TMyMenuData& record) {
    static const QString u = QStringLiteral(".u"), c = QStringLiteral(".c"),
                         d = QStringLiteral(".d"), l = QStringLiteral(".l"),
                         zero = QStringLiteral("0");
    out.append(u);
    out.append(QString::number(record.Uid));
    out.append(c);
    out.append(escapeValueLines(record.Caption));
    out.append(d);
    out.append(escapeValueLines(record.Description));
    out.append(l);
    out.append(record.Tag == 0 ? zero : QString::number(record.Tag));
}

// Puts the entries in place of the count entries at the position.
void replaceEntries(QStringList& text, qsizetype at, qsizetype count, QStringList&& entries) {
    const qsizetype common = std::min(count, entries.size());
    std::move(entries.begin(), entries.begin() + common, text.begin() + at);
    if (entries.size() > count) {
        text.insert(at + common, entries.size() - count, QString());
        std::move(entries.begin() + common, entries.end(), text.begin() + at + common);
    } else if (count > entries.size()) {
        text.remove(at + common, count - entries.size());
    }
}

// The entry is the number in decimal, as QString::number writes it.
bool isNumber(const QString& entry, qint32 number) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    return entry == QLatin1StringView(digits, written.ptr - digits);
}

// The eight entries from the position are the record as a rewrite writes it.
bool holdsRecord(const QStringList& text, qsizetype at, const TMyMenuData& record) {
    return text.at(at) == u".u" && isNumber(text.at(at + 1), record.Uid) &&
           text.at(at + 2) == u".c" && text.at(at + 3) == escapeValueLines(record.Caption) &&
           text.at(at + 4) == u".d" && text.at(at + 5) == escapeValueLines(record.Description) &&
           text.at(at + 6) == u".l" && isNumber(text.at(at + 7), record.Tag);
}

struct Block {
    std::size_t index;
    qsizetype key; // position of the key line
    qsizetype end; // first position after the old value lines
};

} // namespace

// The first position after the old value lines of the block whose key line is at the
// position: where the block's readers stop, so that a rewrite replaces exactly what they read.
// The last line of the text is never removed by a rewrite.
qsizetype ProjectRenewer::regionEnd(const QStringList& text, qsizetype key,
                                    std::size_t block) const {
    const qsizetype count = text.size();
    if (block == menuBlock())
        return std::min(menuBlockEnd(text, key), count);
    // The structure lines are read under the pages' rule in either mode.
    const bool extended = m_extended && isValueBlock(block);
    qsizetype j = key + 1;
    while (j < count - 1 && !keys::endsValueLines(text.at(j), extended))
        ++j;
    return std::min(std::max(j, key + 1), count);
}

QStringView ProjectRenewer::keyOf(std::size_t block) const {
    if (isValueBlock(block))
        return kFields[block].key;
    return block == structureBlock() ? QStringView(keys::Structure) : QStringView(keys::Menu);
}

// The value as given, the same string object as the model's where it has one.
QString ProjectRenewer::valueOf(const ProjectValues& values, std::size_t block) const {
    return fieldEntry(values, kFields[block]);
}

// First positions of all keys in one pass: the fields' in the table's order, then the fixed
// keys; -1 for a missing key.
ProjectRenewer::KeyPositions ProjectRenewer::findAllKeys(const QStringList& text) const {
    KeyPositions found;
    found.fill(-1);
    std::size_t missing = found.size();
    const auto keyAt = [](std::size_t k) {
        return k < kFieldCount ? kFields[k].key : keys::fixed[k - kFieldCount];
    };
    for (qsizetype i = 0; i < text.size() && missing > 0; ++i) {
        const QString& line = text.at(i);
        if (!keys::mayBeKey(line))
            continue;
        for (std::size_t k = 0; k < found.size(); ++k) {
            if (found[k] < 0 && keys::same(line, keyAt(k))) {
                found[k] = i;
                --missing;
                break;
            }
        }
    }
    return found;
}

qsizetype ProjectRenewer::positionOf(const KeyPositions& found, std::size_t block) const {
    if (isValueBlock(block))
        return found[block];
    return found[kFieldCount + (block == structureBlock() ? keys::StructureKey : keys::MenuKey)];
}

// Every rewrite makes sure of ".NewTitle" and of the default mode's blocks.
bool ProjectRenewer::missesEnsuredKey(const KeyPositions& found) const {
    if (found[kFieldCount + keys::NewTitleKey] < 0)
        return true;
    for (std::size_t b = 0; b < blockCount(); ++b) {
        if ((!isValueBlock(b) || kFields[b].mode == FieldMode::Default) && positionOf(found, b) < 0)
            return true;
    }
    return false;
}

bool ProjectRenewer::isRewrittenKey(const QString& line) const {
    for (std::size_t b = 0; b < blockCount(); ++b) {
        if (keys::same(line, keyOf(b)))
            return true;
    }
    return false;
}

void renewProjectText(QStringList& text, const ProjectValues& values,
                      const QStringList& structureLines, const MenuRecords& menu, bool extended) {
    ProjectRenewer(extended).renew(text, values, structureLines, menu);
}

// An extended block's key goes before the next extended block's, in the table's order, or
// else just before ".NewTitle".
void ProjectRenewer::ensureExtendedKeys(QStringList& text, const ProjectValues& values,
                                        KeyPositions& found) const {
    for (std::size_t e = fieldCount(); e-- > kDefaultFieldCount;) {
        if (found[e] >= 0 || valueOf(values, e).isEmpty())
            continue;
        qsizetype at = found[kFieldCount + keys::NewTitleKey];
        for (std::size_t later = e + 1; later < fieldCount(); ++later) {
            if (found[later] >= 0 && found[later] < at)
                at = found[later];
        }
        text.insert(at, kFields[e].key.toString());
        found = findAllKeys(text);
    }
}

void ProjectRenewer::renewAll(QStringList& text, const ProjectValues& values,
                              const QStringList& structureLines, const MenuRecords& menu,
                              const MenuHistory* history) {
    auto found = findAllKeys(text);
    if (missesEnsuredKey(found)) {
        ensureKey(text, keys::NewTitle);
        for (std::size_t b = 0; b < kDefaultFieldCount; ++b)
            ensureKey(text, kFields[b].key.toString());
        ensureKey(text, keys::Structure);
        ensureKey(text, keys::Menu);
        found = findAllKeys(text);
    }
    if (m_extended)
        ensureExtendedKeys(text, values, found);
    // The last line is never removed, so a block whose key is the last line would keep its
    // previous value there and grow by a line at every rewrite; a closing ".Finish" stops it.
    if (isRewrittenKey(text.constLast())) {
        text.append(keys::Finish);
        found = findAllKeys(text);
    }

    const qsizetype count = text.size();

    std::vector<Block> blocks;
    blocks.reserve(kBlocks);
    m_key.fill(-1);
    m_size.fill(0);
    for (std::size_t b = 0; b < blockCount(); ++b) {
        const qsizetype k = positionOf(found, b);
        if (k >= 0)
            blocks.push_back({b, k, regionEnd(text, k, b)});
    }
    // A structure line that began with "." would end its block early at the next rewrite;
    // such a text is rewritten whole every time.
    m_valid = std::none_of(structureLines.begin(), structureLines.end(), beginsWithDot);
    m_tree = history ? history->tree() : 0;
    m_revision = history ? history->revision() : 0;

    std::sort(blocks.begin(), blocks.end(),
              [](const Block& a, const Block& b) { return a.key < b.key; });

    // Each block's entries are made straight into the new text.
    auto written = [&](std::size_t b) {
        return isValueBlock(b) ? 1 : b == menuBlock() ? 8 * menu.size() : structureLines.size();
    };
    qsizetype size = count;
    for (const Block& b : blocks)
        size += written(b.index) - (std::min(b.end, count) - b.key - 1);
    QStringList out;
    out.reserve(size);
    qsizetype pos = 0;
    for (const Block& b : blocks) {
        for (; pos <= b.key; ++pos)
            out.append(std::move(text[pos]));
        m_key[b.index] = out.size() - 1;
        m_size[b.index] = written(b.index);
        if (isValueBlock(b.index)) {
            m_given[b.index] = valueOf(values, b.index);
            out.append(simpleEntry(kFields[b.index], m_given[b.index]));
        } else if (b.index == structureBlock()) {
            for (auto it = structureLines.crbegin(); it != structureLines.crend(); ++it)
                out.append(*it);
        } else {
            for (auto it = menu.crbegin(); it != menu.crend(); ++it)
                appendRecord(out, *it);
        }
        pos = std::min(b.end, count);
    }
    for (; pos < count; ++pos)
        out.append(std::move(text[pos]));
    text = std::move(out);
}

namespace {

// Single entries, or lines that a rewrite would write as the one entry of the value.
bool holdsValue(const QStringList& text, qsizetype at, qsizetype count, const QString& value) {
    if (count == 1)
        return text.at(at) == value;
    qsizetype pos = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const QString& line = text.at(at + i);
        if (line.contains(u'\r') || line.contains(u'\n') ||
            QStringView(value).mid(pos, line.size()) != line)
            return false;
        pos += line.size();
        if (i + 1 < count) {
            if (QStringView(value).mid(pos, 2) != u"\r\n")
                return false;
            pos += 2;
        }
    }
    return count > 0 && pos == value.size();
}

} // namespace

// The values of several lines, as a file holds them, become one entry each, as a rewrite
// writes them; the file is the same.
bool ProjectRenewer::adopt(QStringList& text, const ProjectValues& values,
                           const QStringList& structureLines, const MenuRecords& menu,
                           const MenuHistory* history, LinesSource linesSource) {
    auto found = findAllKeys(text);
    if (missesEnsuredKey(found) || isRewrittenKey(text.constLast()) ||
        std::any_of(structureLines.begin(), structureLines.end(), beginsWithDot))
        return false;
    // The value's lines (from, to) that become the value's one entry, its very string.
    std::vector<std::tuple<qsizetype, qsizetype, QString>> joined;
    for (std::size_t b = 0; b < blockCount(); ++b) {
        const qsizetype key = positionOf(found, b);
        if (key < 0) {
            // Only an extended block can be missing here; it is written once it has a value.
            if (!valueOf(values, b).isEmpty())
                return false;
            continue;
        }
        const qsizetype at = key + 1;
        const qsizetype end = regionEnd(text, key, b);
        const qsizetype size = end - at;
        bool same = false;
        if (isValueBlock(b)) {
            QString entry = simpleEntry(kFields[b], valueOf(values, b));
            same = holdsValue(text, at, size, entry);
            if (same && size > 1)
                joined.emplace_back(at, end, std::move(entry));
        } else if (b == structureBlock()) {
            same = size == structureLines.size();
            for (qsizetype i = 0; same && i < size; ++i)
                same = text.at(at + i) == structureLines.at(size - 1 - i);
        } else {
            same = size == 8 * menu.size();
            for (qsizetype i = 0; same && i < menu.size(); ++i)
                same = holdsRecord(text, at + 8 * i, menu.at(menu.size() - 1 - i));
        }
        if (!same)
            return false;
    }
    std::sort(joined.begin(), joined.end(),
              [](const auto& a, const auto& b) { return std::get<0>(a) > std::get<0>(b); });
    for (const auto& [at, end, entry] : joined) {
        text[at] = entry;
        text.remove(at + 1, end - at - 1);
    }
    found = findAllKeys(text);
    m_key.fill(-1);
    m_size.fill(0);
    for (std::size_t b = 0; b < blockCount(); ++b) {
        m_key[b] = positionOf(found, b);
        if (m_key[b] >= 0)
            m_size[b] = regionEnd(text, m_key[b], b) - m_key[b] - 1;
        if (isValueBlock(b))
            m_given[b] = valueOf(values, b);
    }
    m_tree = history ? history->tree() : 0;
    m_revision = history ? history->revision() : 0;
    m_valid = true;
    remember(text, structureLines, linesSource);
    return true;
}

void ProjectRenewer::renew(QStringList& text, const ProjectValues& values,
                           const QStringList& structureLines, const MenuRecords& menu,
                           const MenuHistory* history, LinesSource linesSource) {
    if (!m_valid || !stillWritten(text)) {
        renewAll(text, values, structureLines, menu, history);
        remember(text, structureLines, linesSource);
        return;
    }
    for (std::size_t b = 0; b < blockCount(); ++b) {
        if (!isValueBlock(b))
            continue;
        QString value = valueOf(values, b);
        if (same(value, m_given[b]))
            continue;
        if (m_key[b] < 0) {
            // A block the text does not hold yet is inserted by a whole rewrite.
            renewAll(text, values, structureLines, menu, history);
            remember(text, structureLines, linesSource);
            return;
        }
        text[m_key[b] + 1] = simpleEntry(kFields[b], value);
        m_given[b] = std::move(value);
    }
    const bool sameLines = linesSource != LinesSource{} && linesSource == m_linesSource &&
                           structureLines.size() == m_linesSize &&
                           marksOf(structureLines) == m_linesMarks;
    if ((!sameLines && !renewStructure(text, structureLines)) || !renewMenu(text, menu, history)) {
        renewAll(text, values, structureLines, menu, history);
    }
    remember(text, structureLines, linesSource);
}

void ProjectRenewer::resized(std::size_t block, qsizetype difference) {
    m_size[block] += difference;
    for (std::size_t b = 0; b < blockCount(); ++b) {
        if (m_key[b] > m_key[block])
            m_key[b] += difference;
    }
}

// The block holds the lines in reverse order. Entries that are the very strings of the
// lines are kept: the lines both ends have in common stay, and only those between are
// replaced. When the lines between are partly the same strings moved as a run, as after a
// drop, the run is moved first. False for a line that would end the block early.
bool ProjectRenewer::renewStructure(QStringList& text, const QStringList& lines) {
    const qsizetype at = m_key[structureBlock()] + 1;
    const qsizetype before = m_size[structureBlock()], after = lines.size();
    auto entry = [&](qsizetype i) -> const QString& { return lines[after - 1 - i]; };
    qsizetype head = 0, tail = 0;
    auto compare = [&] {
        const qsizetype shorter = std::min(before, after);
        head = 0;
        while (head < shorter && identical(text.at(at + head), entry(head)))
            ++head;
        tail = 0;
        while (tail < shorter - head &&
               identical(text.at(at + before - 1 - tail), entry(after - 1 - tail)))
            ++tail;
    };
    compare();
    if (head == before && head == after)
        return true;
    for (qsizetype i = head; i < after - tail; ++i) {
        if (beginsWithDot(entry(i)))
            return false;
    }
    const qsizetype between = before - head - tail;
    if (between > 1 && between == after - head - tail) {
        const qsizetype first = at + head, last = first + between;
        qsizetype run = 1;
        while (run < between && !identical(text.at(first + run), entry(head)))
            ++run;
        if (run < between) {
            rotateElements(text, first, first + run, last);
        } else {
            run = 1;
            while (run < between && !identical(text.at(first), entry(head + run)))
                ++run;
            if (run < between)
                rotateElements(text, first, last - run, last);
        }
        compare();
    }
    QStringList middle;
    middle.reserve(after - head - tail);
    for (qsizetype i = head; i < after - tail; ++i)
        middle.append(entry(i));
    const qsizetype replaced = before - head - tail;
    const qsizetype difference = middle.size() - replaced;
    replaceEntries(text, at + head, replaced, std::move(middle));
    resized(structureBlock(), difference);
    return true;
}

// The tree's edits since the block was written, when they are all known, change only the
// records they concern; otherwise the block is written anew.
bool ProjectRenewer::renewMenu(QStringList& text, const MenuRecords& menu,
                               const MenuHistory* history) {
    const auto edits = history ? history->since(m_tree, m_revision) : std::nullopt;
    if (!edits)
        return false;
    for (const MenuEdit& edit : *edits)
        applyEdit(text, edit);
    m_revision = history->revision();
    return m_size[menuBlock()] == 8 * menu.size();
}

// Records stand in the block in reverse order, eight entries each: the record at position i
// of n begins at entry 8 * (n - 1 - i).
void ProjectRenewer::applyEdit(QStringList& text, const MenuEdit& edit) {
    const qsizetype items = m_size[menuBlock()] / 8;
    const qsizetype block = m_key[menuBlock()] + 1;
    if (edit.isMove()) {
        // The moved records and those they passed swap places.
        const qsizetype low = std::min(edit.first, edit.movedTo);
        const qsizetype high = std::max(edit.first, edit.movedTo) + edit.removed;
        const qsizetype passed = std::abs(edit.movedTo - edit.first);
        const qsizetype begin = block + 8 * (items - high);
        const qsizetype shift = edit.movedTo > edit.first ? passed : edit.removed;
        rotateElements(text, begin, begin + 8 * shift, begin + 8 * (high - low));
        return;
    }
    QStringList entries;
    entries.reserve(8 * edit.records.size());
    for (auto it = edit.records.crbegin(); it != edit.records.crend(); ++it)
        appendRecord(entries, *it);
    const qsizetype difference = entries.size() - 8 * edit.removed;
    replaceEntries(text, block + 8 * (items - edit.first - edit.removed), 8 * edit.removed,
                   std::move(entries));
    resized(menuBlock(), difference);
}

void ProjectRenewer::remember(const QStringList& text, const QStringList& structureLines,
                              LinesSource linesSource) {
    m_linesSource = linesSource;
    m_linesMarks = marksOf(structureLines);
    m_linesSize = structureLines.size();
    m_textSize = text.size();
    m_textData = text.constData();
    for (std::size_t b = 0; b < blockCount(); ++b)
        m_marks[b] = blockMarks(text, b);
}

ProjectRenewer::BlockMarks ProjectRenewer::blockMarks(const QStringList& text,
                                                      std::size_t block) const {
    const qsizetype k = m_key[block];
    if (k < 0)
        return {};
    const qsizetype size = m_size[block];
    return {text.at(k).constData(), size ? text.at(k + 1).constData() : nullptr,
            size ? text.at(k + size).constData() : nullptr};
}

bool ProjectRenewer::stillWritten(const QStringList& text) const {
    if (text.size() != m_textSize || text.constData() != m_textData)
        return false;
    for (std::size_t b = 0; b < blockCount(); ++b) {
        if (blockMarks(text, b) != m_marks[b])
            return false;
    }
    return true;
}

} // namespace tz
