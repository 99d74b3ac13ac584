#pragma once

#include <QByteArrayView>
#include <QList>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tz {

// One block of a project file as read from its bytes: the lines after the first line that
// is its key (letter case ignored), up to the next line that may be a key (projectkeys.h),
// which holds every line the pages' reading rule takes in either mode; the block of ".Menu"
// up to the next key line of the project, which holds every record its reader takes.
struct FileBlock {
    qsizetype keyLine = -1; // the key line's position; -1 when the key is missing
    QStringList lines;
    bool reachesEnd = false; // the last of the lines is the text's last line
    // Where the lines stand in the bytes: from the first one's start to the last one's end
    // (without its break); -1 when there are none.
    qsizetype firstByte = -1;
    qsizetype endByte = -1;
};

struct FileBlocks {
    bool hasKeyLine = false;       // one of the project's key lines, asked for or not
    std::vector<FileBlock> blocks; // one per key asked for, in the same order
};

// Reads only the blocks asked for from a file's bytes (physical form as parseProjectBytes
// takes it), decoding nothing else, so that a large file costs no more memory than its
// bytes.
// The block of the key at the index `undecoded` keeps no lines, only where they stand, so that
// a block that is most of a large file is not held line by line (see joinedValue).
FileBlocks readFileBlocks(QByteArrayView bytes, const QList<QStringView>& keys,
                          qsizetype undecoded = -1);

// A block's value of several lines as the pages' reading rule gives it in the mode: its lines
// as typed, joined by CR LF, decoded straight from the bytes the block was read from.
QString joinedValue(QByteArrayView bytes, const FileBlock& block, bool extended);

// A project text of only the blocks, which the pages' reading rule and the structure
// loader read as they read the whole text: the same keys with the same value lines.
QStringList blocksText(const FileBlocks& found, const QList<QStringView>& keys);

} // namespace tz
