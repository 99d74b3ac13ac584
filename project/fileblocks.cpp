#include "project/fileblocks.h"

#include "project/codec1251.h"
#include "project/projecttext.h"
#include "project/textlines.h"

namespace tz {
namespace {

bool endsBlock(QByteArrayView line) {
    return line.size() > 2 && line.front() == '.';
}

} // namespace

FileBlocks readFileBlocks(QByteArrayView bytes, const QList<QStringView>& keys) {
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    FileBlocks found;
    found.blocks.resize(std::size_t(keys.size()));
    FileBlock* open = nullptr;
    qsizetype position = 0;
    auto line = [&](QByteArrayView bytesOfLine) {
        const qsizetype at = position++;
        // Key lines are 5 to 13 characters long and begin with "."; only those are decoded.
        if (bytesOfLine.size() >= 5 && bytesOfLine.size() <= 13 && bytesOfLine.front() == '.') {
            const QString decoded = decode1251(bytesOfLine);
            found.hasKeyLine |= isProjectKey(decoded);
            for (qsizetype k = 0; k < keys.size(); ++k) {
                FileBlock& block = found.blocks[std::size_t(k)];
                if (block.keyLine < 0 && decoded.compare(keys[k], Qt::CaseInsensitive) == 0) {
                    block.keyLine = at;
                    open = &block;
                    return;
                }
            }
        }
        if (open && endsBlock(bytesOfLine))
            open = nullptr;
        if (open)
            open->lines.append(decode1251(bytesOfLine));
    };
    const QByteArrayView tail = forEachEndedLine(bytes, line);
    if (!tail.isEmpty())
        line(tail);
    // The block that was still open when the text ended holds the text's last line.
    if (open && !open->lines.isEmpty())
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

} // namespace tz
