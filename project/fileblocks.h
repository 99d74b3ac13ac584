#pragma once

#include <QByteArrayView>
#include <QList>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tz {

// One block of a project file as read from its bytes: the lines after the first line that
// is its key (letter case ignored), up to the next line that begins with "." and is
// longer than two characters. The record tags of ".Menu" thus stay in its block.
struct FileBlock {
    qsizetype keyLine = -1; // the key line's position; -1 when the key is missing
    QStringList lines;
    bool reachesEnd = false; // the last of the lines is the text's last line
};

struct FileBlocks {
    // As looksLikeProject says of the file's lines: empty (up to a NUL), or with a key line.
    bool isProject = false;
    std::vector<FileBlock> blocks; // one per key asked for, in the same order
};

// Reads only the blocks asked for from a file's bytes (physical form as parseProjectBytes
// takes it), decoding nothing else, so that a large file costs no more memory than its
// bytes.
FileBlocks readFileBlocks(QByteArrayView bytes, const QList<QStringView>& keys);

// The block's value lines under the pages' reading rule, as valueLines gives them.
QStringList valueLines(const FileBlock& block);

} // namespace tz
