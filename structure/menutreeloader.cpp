#include "structure/menutreeloader.h"

#include "project/random32.h"

#include <QRegularExpression>
#include <QSet>

#include <array>
#include <optional>

namespace tz {
namespace {

enum Field { UidField, CaptionField, DescriptionField, TagField, FieldCount };

struct RawRecord {
    std::array<QStringList, FieldCount> lines;
    std::array<bool, FieldCount> seen = {true, false, false, false};
    bool outOfOrder = false;
};

struct ReadRecord {
    TMyMenuData data;
    bool uidRead = false;
};

std::optional<qint32> readInt(const QStringList& lines) {
    if (lines.size() != 1)
        return std::nullopt;
    bool ok = false;
    const qint32 value = lines.constFirst().trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// The lines of the ".Menu" block under the same bounds as the rewrite uses: up to the
// first entry that begins with "." and is longer than two characters, never the last line.
QStringList menuBlockLines(const QStringList& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines;
    const qsizetype k = findKey(text, u".Menu");
    if (k <= 0)
        return lines;
    for (qsizetype j = k + 1; j <= text.size() - 2; ++j) {
        const QStringList entryLines = text.at(j).split(lineBreak);
        const QString& first = entryLines.constFirst();
        if (first.startsWith(u'.') && first.size() > 2)
            break;
        lines += entryLines;
    }
    return lines;
}

// The records in tree order (the block holds them in reverse); sets damaged for anything
// that is not a well-formed record.
std::vector<ReadRecord> readRecords(const QStringList& block, bool& damaged) {
    std::vector<RawRecord> raw;
    Field field = UidField;
    for (const QString& line : block) {
        if (line == u".u") {
            raw.emplace_back();
            field = UidField;
            continue;
        }
        if (raw.empty()) {
            damaged = true;
            continue;
        }
        RawRecord& record = raw.back();
        const Field tag = line == u".c"   ? CaptionField
                          : line == u".d" ? DescriptionField
                          : line == u".l" ? TagField
                                          : FieldCount;
        if (tag != FieldCount) {
            record.outOfOrder |= tag != field + 1;
            record.seen[tag] = true;
            field = tag;
            continue;
        }
        record.lines[field].append(line);
    }

    std::vector<ReadRecord> records;
    records.reserve(raw.size());
    for (auto it = raw.crbegin(); it != raw.crend(); ++it) {
        ReadRecord read;
        const std::optional<qint32> uid = readInt(it->lines[UidField]);
        const std::optional<qint32> tag = readInt(it->lines[TagField]);
        read.uidRead = uid.has_value();
        read.data.Uid = uid.value_or(0);
        read.data.Tag = tag.value_or(0);
        read.data.Caption = it->lines[CaptionField].join(u' ');
        read.data.Description = it->lines[DescriptionField].join(QStringLiteral("\r\n"));
        // A caption pasted with line breaks is written as several lines; they are one
        // caption again.
        damaged |= it->outOfOrder || !uid || !tag || !it->seen[CaptionField] ||
                   !it->seen[DescriptionField];
        records.push_back(std::move(read));
    }
    return records;
}

struct StructureLine {
    int level;
    qint32 uid;
};

// "level:Uid"; the root's line "0:text" and unreadable lines give nothing.
std::optional<StructureLine> readStructureLine(const QString& line, bool& damaged) {
    const qsizetype colon = line.indexOf(u':');
    bool levelOk = false, uidOk = false;
    const int level = colon > 0 ? line.left(colon).toInt(&levelOk) : -1;
    if (levelOk && level == 0)
        return std::nullopt;
    const qint32 uid = line.mid(colon + 1).toInt(&uidOk);
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
    std::vector<ReadRecord> records = readRecords(menuBlockLines(projectText), loaded.damaged);

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
            node = tree.appendItem(parent, records[index].data);
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
