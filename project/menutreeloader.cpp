#include "project/menutreeloader.h"

#include "project/menublock.h"
#include "project/random32.h"
#include "project/textlines.h"
#include "project/valueescape.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <optional>

namespace tz {
namespace {

constexpr std::size_t kMenuFields = 4;

struct ReadRecord {
    TMyMenuData data;
    bool uidRead = false;
};

// The lines of one field of a record, joined as they are read, and the run of entries of
// the project text, each one line, that they came from (-1 when they did not).
struct FieldLines {
    QString text;
    qsizetype count = 0;
    qsizetype firstEntry = -1;
    qsizetype lastEntry = -1;
    bool escaped = false; // a line was written escaped
    bool raw = false;     // a line begins with "." as typed, as earlier versions wrote it

    void append(const QString& line, QStringView separator, qsizetype entry) {
        if (count++ > 0)
            text += separator;
        if (isEscapedLine(line)) {
            escaped = true;
            text += QStringView(line).sliced(1);
        } else {
            raw |= line.startsWith(u'.');
            text += line;
        }
        const bool follows = count == 1 || (lastEntry >= 0 && entry == lastEntry + 1);
        firstEntry = follows ? (count == 1 ? entry : firstEntry) : -1;
        lastEntry = follows ? entry : -1;
    }
};

std::optional<qint32> readInt(const FieldLines& field) {
    if (field.count != 1)
        return std::nullopt;
    bool ok = false;
    const qint32 value = QStringView(field.text).trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// Makes the records of the ".Menu" block from its entries as MenuBlockReader tells them,
// under the bounds the rewrite uses too. An entry with line breaks counts as its lines.
class RecordReader {
public:
    // The entries of descriptions are joined in the text when it is given.
    RecordReader(QStringList* text, bool& damaged) : m_text(text), m_damaged(damaged) {}

    void entry(const MenuEntry& what, const QString& entry, qsizetype position) {
        switch (what.kind) {
        case MenuEntry::RecordStart:
            finish();
            m_open = true;
            m_fields = {};
            m_seen = {true, false, false, false};
            m_outOfOrder = false;
            return;
        case MenuEntry::Stray:
            m_damaged = true;
            return;
        case MenuEntry::FieldTag:
            m_outOfOrder |= !what.inOrder;
            m_seen[std::size_t(what.field)] = true;
            return;
        case MenuEntry::FieldLine:
            break;
        }
        // A caption pasted with line breaks is written as several lines; they are one
        // caption again.
        FieldLines& field = m_fields[std::size_t(what.field)];
        const QStringView separator = what.field == MenuField::Caption ? u" " : u"\r\n";
        if (!entry.contains(u'\r') && !entry.contains(u'\n')) {
            field.append(entry, separator, position);
            return;
        }
        forEachLine(entry, [&](QStringView line) { field.append(line.toString(), separator, -1); });
    }

    // The records in tree order (the block holds them in reverse); the entries of joined
    // lines are taken out of the project text.
    std::vector<ReadRecord> records() {
        finish();
        std::reverse(m_records.begin(), m_records.end());
        if (m_joined.empty())
            return std::move(m_records);
        QStringList& text = *m_text;
        qsizetype kept = m_joined.front().first;
        for (std::size_t r = 0; r < m_joined.size(); ++r) {
            const qsizetype end = r + 1 < m_joined.size() ? m_joined[r + 1].first : text.size();
            for (qsizetype j = m_joined[r].second; j < end; ++j)
                text[kept++] = std::move(text[j]);
        }
        text.resize(kept);
        return std::move(m_records);
    }

private:
    FieldLines& field(MenuField which) { return m_fields[std::size_t(which)]; }

    void finish() {
        if (!m_open)
            return;
        m_open = false;
        ReadRecord read;
        const std::optional<qint32> uid = readInt(field(MenuField::Uid));
        const std::optional<qint32> tag = readInt(field(MenuField::Tag));
        read.uidRead = uid.has_value();
        read.data.Uid = uid.value_or(0);
        read.data.Tag = tag.value_or(0);
        read.data.Caption = std::move(field(MenuField::Caption).text);
        FieldLines& description = field(MenuField::Description);
        read.data.Description = std::move(description.text);
        // A description of several lines now stands in the project text once, as one entry
        // shared with the record, as a rewrite writes it: its lines would otherwise be held
        // twice, which in a large project is most of its memory. The file is the same: the
        // entry is the description escaped as its lines were, so one whose lines that begin
        // with "." were written raw, as earlier versions did, keeps its lines.
        if (m_text && description.count > 1 && description.firstEntry >= 0 && !description.raw) {
            QStringList& text = *m_text;
            text[description.firstEntry] = description.escaped
                                               ? escapeValueLines(read.data.Description)
                                               : read.data.Description;
            for (qsizetype e = description.firstEntry + 1; e <= description.lastEntry; ++e)
                text[e] = QString();
            m_joined.push_back({description.firstEntry + 1, description.lastEntry + 1});
        }
        m_damaged |= m_outOfOrder || !uid || !tag || !m_seen[std::size_t(MenuField::Caption)] ||
                     !m_seen[std::size_t(MenuField::Description)];
        m_records.push_back(std::move(read));
    }

    QStringList* m_text;
    bool& m_damaged;
    // Runs of entries (from, to) that were joined into the entry before them.
    std::vector<std::pair<qsizetype, qsizetype>> m_joined;
    bool m_open = false;
    std::array<FieldLines, kMenuFields> m_fields;
    std::array<bool, kMenuFields> m_seen{};
    bool m_outOfOrder = false;
    std::vector<ReadRecord> m_records;
};

std::vector<ReadRecord> readRecords(const QStringList& text, QStringList* shared, bool& damaged) {
    RecordReader reader(shared, damaged);
    const qsizetype k = findKey(text, u".Menu");
    if (k <= 0)
        return reader.records();
    MenuBlockReader block(text, k);
    MenuEntry entry;
    while (block.next(entry))
        reader.entry(entry, text.at(block.position()), block.position());
    return reader.records();
}

struct StructureLine {
    int level;
    qint32 uid;
};

// "level:Uid"; the root's line "0:text" and unreadable lines give nothing.
std::optional<StructureLine> readStructureLine(const QString& line, bool& damaged) {
    const qsizetype colon = line.indexOf(u':');
    bool levelOk = false, uidOk = false;
    const int level = colon > 0 ? QStringView(line).left(colon).toInt(&levelOk) : -1;
    if (levelOk && level == 0)
        return std::nullopt;
    const qint32 uid = QStringView(line).mid(colon + 1).toInt(&uidOk);
    if (!levelOk || level < 0 || !uidOk) {
        damaged = true;
        return std::nullopt;
    }
    return StructureLine{level, uid};
}

LoadedMenuTree load(const QStringList& projectText, QStringList* shared, Random32& random,
                    const MenuKinds& kinds) {
    LoadedMenuTree loaded;
    MenuTree& tree = loaded.tree;
    std::vector<ReadRecord> records = readRecords(projectText, shared, loaded.damaged);

    // Records sharing a Uid are matched to that Uid's structure lines in order: each Uid
    // leads to its first unplaced record, and each record to the next with its Uid.
    QHash<qint32, std::size_t> firstWithUid;
    firstWithUid.reserve(qsizetype(records.size()));
    std::vector<std::size_t> nextWithUid(records.size(), records.size());
    for (std::size_t i = records.size(); i-- > 0;) {
        if (!records[i].uidRead)
            continue;
        const auto at = firstWithUid.find(records[i].data.Uid);
        if (at == firstWithUid.end()) {
            firstWithUid.insert(records[i].data.Uid, i);
        } else {
            nextWithUid[i] = at.value();
            at.value() = i;
        }
    }
    std::vector<bool> placed(records.size(), false);

    const QStringList structure = valueLines(projectText, u".Structure");
    loaded.hadStructureLines = !structure.isEmpty();
    std::vector<MenuNode*> path{tree.root()};
    for (const QString& text : structure) {
        std::optional<StructureLine> line = readStructureLine(text, loaded.damaged);
        if (!line)
            continue;
        if (line->level > MenuTree::kDeepestLevel) {
            loaded.flattened = true;
            line->level = MenuTree::kDeepestLevel;
        }
        // A level deeper than the one before it plus one cannot be placed as written: the
        // item goes under the last node read.
        if (std::size_t(line->level) > path.size()) {
            loaded.damaged = true;
            line->level = int(path.size());
        }
        path.resize(std::size_t(line->level));
        MenuNode* parent = path.back();
        MenuNode* node = nullptr;
        auto candidate = firstWithUid.find(line->uid);
        if (candidate != firstWithUid.end() && candidate.value() < records.size()) {
            const std::size_t index = candidate.value();
            candidate.value() = nextWithUid[index];
            placed[index] = true;
            TMyMenuData& data = records[index].data;
            data.Kind = kinds.value(data.Uid, data.Kind);
            node = tree.appendItem(parent, std::move(data));
        } else {
            node = tree.appendItem(parent,
                                   {MenuTree::newItemCaption(), MenuTree::newItemDescription(), 0,
                                    line->uid, kinds.value(line->uid, MenuKind::UserFunction)});
        }
        path.push_back(node);
    }

    for (std::size_t i = 0; i < records.size(); ++i) {
        if (placed[i])
            continue;
        TMyMenuData data = records[i].data;
        if (!records[i].uidRead) {
            do
                data.Uid = tree.drawUid(random);
            while (firstWithUid.contains(data.Uid));
        } else {
            data.Kind = kinds.value(data.Uid, data.Kind);
        }
        tree.appendItem(tree.root(), std::move(data));
    }
    return loaded;
}

} // namespace

LoadedMenuTree loadMenuTree(const QStringList& projectText, Random32& random,
                            const MenuKinds& kinds) {
    return load(projectText, nullptr, random, kinds);
}

LoadedMenuTree loadMenuTreeSharing(QStringList& projectText, Random32& random,
                                   const MenuKinds& kinds) {
    return load(projectText, &projectText, random, kinds);
}

} // namespace tz
