#include "structure/menutreeloader.h"

#include "project/random32.h"
#include "project/textlines.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <optional>

namespace tz {
namespace {

enum Field { UidField, CaptionField, DescriptionField, TagField, FieldCount };

struct ReadRecord {
    TMyMenuData data;
    bool uidRead = false;
};

std::optional<qint32> readInt(const QStringList& lines) {
    if (lines.size() != 1)
        return std::nullopt;
    bool ok = false;
    const qint32 value = QStringView(lines.constFirst()).trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

QString joined(const QStringList& lines, QStringView separator) {
    return lines.size() == 1 ? lines.constFirst() : lines.join(separator);
}

// Reads the ".Menu" block record by record, line by line, under the same bounds as the
// rewrite uses: up to the first entry that begins with "." and is longer than two
// characters, never the last line. An entry with line breaks counts as its lines.
class RecordReader {
public:
    explicit RecordReader(bool& damaged) : m_damaged(damaged) {}

    void line(const QString& line) {
        if (line == u".u") {
            finish();
            m_open = true;
            m_lines = {};
            m_seen = {true, false, false, false};
            m_outOfOrder = false;
            m_field = UidField;
            return;
        }
        if (!m_open) {
            m_damaged = true;
            return;
        }
        const Field tag = line == u".c"   ? CaptionField
                          : line == u".d" ? DescriptionField
                          : line == u".l" ? TagField
                                          : FieldCount;
        if (tag != FieldCount) {
            m_outOfOrder |= tag != m_field + 1;
            m_seen[tag] = true;
            m_field = tag;
            return;
        }
        m_lines[m_field].append(line);
    }

    // The records in tree order (the block holds them in reverse).
    std::vector<ReadRecord> records() {
        finish();
        std::reverse(m_records.begin(), m_records.end());
        return std::move(m_records);
    }

private:
    void finish() {
        if (!m_open)
            return;
        m_open = false;
        ReadRecord read;
        const std::optional<qint32> uid = readInt(m_lines[UidField]);
        const std::optional<qint32> tag = readInt(m_lines[TagField]);
        read.uidRead = uid.has_value();
        read.data.Uid = uid.value_or(0);
        read.data.Tag = tag.value_or(0);
        // A caption pasted with line breaks is written as several lines; they are one
        // caption again.
        read.data.Caption = joined(m_lines[CaptionField], u" ");
        read.data.Description = joined(m_lines[DescriptionField], u"\r\n");
        m_damaged |=
            m_outOfOrder || !uid || !tag || !m_seen[CaptionField] || !m_seen[DescriptionField];
        m_records.push_back(std::move(read));
    }

    bool& m_damaged;
    bool m_open = false;
    std::array<QStringList, FieldCount> m_lines;
    std::array<bool, FieldCount> m_seen{};
    bool m_outOfOrder = false;
    Field m_field = UidField;
    std::vector<ReadRecord> m_records;
};

std::vector<ReadRecord> readRecords(const QStringList& text, bool& damaged) {
    RecordReader reader(damaged);
    const qsizetype k = findKey(text, u".Menu");
    for (qsizetype j = k + 1; k > 0 && j <= text.size() - 2; ++j) {
        const QString& entry = text.at(j);
        if (!entry.contains(u'\r') && !entry.contains(u'\n')) {
            if (entry.startsWith(u'.') && entry.size() > 2)
                break;
            reader.line(entry);
            continue;
        }
        QStringList lines;
        const QStringView tail = forEachEndedLine(
            QStringView(entry), [&](QStringView line) { lines.append(line.toString()); });
        lines.append(tail.toString());
        if (lines.constFirst().startsWith(u'.') && lines.constFirst().size() > 2)
            break;
        for (const QString& line : lines)
            reader.line(line);
    }
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

} // namespace

LoadedMenuTree loadMenuTree(const QStringList& projectText, Random32& random) {
    LoadedMenuTree loaded;
    MenuTree& tree = loaded.tree;
    std::vector<ReadRecord> records = readRecords(projectText, loaded.damaged);

    // Records sharing a Uid are matched to that Uid's structure lines in order.
    QHash<qint32, QList<std::size_t>> byUid;
    QSet<qint32> fileUids;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].uidRead) {
            byUid[records[i].data.Uid].append(i);
            fileUids.insert(records[i].data.Uid);
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
        // A level deeper than the one before it plus one cannot be placed as written: the
        // item goes under the last node read.
        if (std::size_t(line->level) > path.size()) {
            loaded.damaged = true;
            line->level = int(path.size());
        }
        path.resize(std::size_t(line->level));
        MenuNode* parent = path.back();
        MenuNode* node = nullptr;
        auto candidates = byUid.find(line->uid);
        if (candidates != byUid.end() && !candidates->isEmpty()) {
            const std::size_t index = candidates->takeFirst();
            placed[index] = true;
            node = tree.appendItem(parent, std::move(records[index].data));
        } else {
            node = tree.addItem(parent, line->uid);
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
            while (fileUids.contains(data.Uid));
        }
        tree.appendItem(tree.root(), std::move(data));
    }
    return loaded;
}

} // namespace tz
