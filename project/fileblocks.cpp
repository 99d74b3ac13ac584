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
    found.isProject = bytes.isEmpty();
    found.blocks.resize(std::size_t(keys.size()));
    FileBlock* open = nullptr;
    qsizetype position = 0;
    auto line = [&](QByteArrayView bytesOfLine) {
        const qsizetype at = position++;
        // Key lines are 5 to 13 characters long and begin with "."; only those are decoded.
        if (bytesOfLine.size() >= 5 && bytesOfLine.size() <= 13 && bytesOfLine.front() == '.') {
            const QString decoded = decode1251(bytesOfLine);
            if (isProjectKey(decoded))
                found.isProject = true;
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

QStringList valueLines(const FileBlock& block) {
    QStringList values;
    if (block.keyLine <= 0)
        return values;
    for (const QString& line : block.lines) {
        // A line that begins with "." ends the values before the text's last line.
        if (line.startsWith(u'.'))
            return values;
        values.append(line);
    }
    // The last line of the text is never a value.
    if (block.reachesEnd && !values.isEmpty())
        values.removeLast();
    return values;
}

} // namespace tz
