#include "project/fileblocks.h"

#include "project/codec1251.h"
#include "project/projectkeys.h"
#include "project/projecttext.h"
#include "project/textlines.h"
#include "project/valueescape.h"

namespace tz {

FileBlocks readFileBlocks(QByteArrayView bytes, const QList<QStringView>& keys,
                          qsizetype undecoded) {
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    FileBlocks found;
    found.blocks.resize(std::size_t(keys.size()));
    FileBlock* open = nullptr;
    bool openMenu = false;
    const FileBlock* kept = undecoded >= 0 ? &found.blocks[std::size_t(undecoded)] : nullptr;
    qsizetype position = 0;
    auto line = [&](QByteArrayView bytesOfLine) {
        const qsizetype at = position++;
        bool projectKey = false;
        // Only short lines that begin with "." may be keys; only those are decoded.
        if (bytesOfLine.size() <= keys::longestKey && bytesOfLine.startsWith('.')) {
            const QString decoded = decode1251(bytesOfLine);
            projectKey = isProjectKey(decoded);
            found.hasKeyLine |= projectKey;
            for (qsizetype k = 0; k < keys.size(); ++k) {
                FileBlock& block = found.blocks[std::size_t(k)];
                if (block.keyLine < 0 && decoded.compare(keys[k], Qt::CaseInsensitive) == 0) {
                    block.keyLine = at;
                    open = &block;
                    openMenu = keys::same(keys[k], keys::Menu);
                    return;
                }
            }
        }
        // A block ends where no reader of it reads on: values at a line that may be a key, the
        // records of ".Menu" at a key of the project (menublock.h).
        if (open && (openMenu ? projectKey : keys::hasKeyForm(bytesOfLine)))
            open = nullptr;
        if (!open)
            return;
        const qsizetype start = bytesOfLine.data() - bytes.data();
        if (open->firstByte < 0)
            open->firstByte = start;
        open->endByte = start + bytesOfLine.size();
        if (open != kept)
            open->lines.append(decode1251(bytesOfLine));
    };
    const QByteArrayView tail = forEachEndedLine(bytes, line);
    if (!tail.isEmpty())
        line(tail);
    // The block that was still open when the text ended holds the text's last line.
    if (open && open->firstByte >= 0)
        open->reachesEnd = true;
    return found;
}

// A key on the first line counts as missing and the text's last line is never a value,
// so the text begins with a comment, leaves out such a last line and ends with ".Finish".
QStringList blocksText(const FileBlocks& found, const QList<QStringView>& keys) {
    QStringList text{QStringLiteral("#")};
    for (qsizetype k = 0; k < keys.size(); ++k) {
        const FileBlock& block = found.blocks[std::size_t(k)];
        if (block.keyLine <= 0)
            continue;
        text.append(keys[k].toString());
        text.append(block.lines.mid(0, block.lines.size() - (block.reachesEnd ? 1 : 0)));
    }
    text.append(QStringLiteral(".Finish"));
    return text;
}

QString joinedValue(QByteArrayView bytes, const FileBlock& block, bool extended) {
    // As in blocksText: a key on the first line counts as missing.
    if (block.keyLine <= 0 || block.firstByte < 0)
        return QString();
    const QByteArrayView range = bytes.sliced(block.firstByte, block.endByte - block.firstByte);
    QList<QByteArrayView> lines;
    lines.append(forEachEndedLine(range, [&lines](QByteArrayView line) { lines.append(line); }));
    // The text's last line is never a value: the rule leaves it out of a block that reaches it.
    if (block.reachesEnd)
        lines.removeLast();
    // The value ends where the mode's reading rule stops.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (extended ? keys::hasKeyForm(lines.at(i)) : lines.at(i).startsWith('.')) {
            lines.resize(i);
            break;
        }
    }
    QString value;
    value.reserve(range.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            value += QLatin1String("\r\n");
        const QString typed = decode1251(lines.at(i));
        value += isEscapedLine(typed) ? QStringView(typed).sliced(1) : QStringView(typed);
    }
    return value;
}

} // namespace tz
