#pragma once

#include "project/fileidentity.h"

#include <QByteArrayView>
#include <QString>

namespace tz {

// What a file held when the wizard last read or wrote it, so that a change made by another
// program since then can be told before the file is written over.
struct FileStamp {
    bool exists = false;
    FileStatus status;
    // When the stamp was made, in nanoseconds since the epoch.
    qint64 taken = 0;
    size_t hash = 0;
};

// A hash of the bytes, the same for the same bytes whether they are in memory or on disk.
size_t hashOfBytes(QByteArrayView bytes);

// The stamp of bytes just read from or written to the file at the path: hash of the bytes,
// everything else of the file as it is now.
FileStamp stampOf(const QString& path, QByteArrayView bytes);

// The stamp of the file as it is on disk now; a file that cannot be read has no stamp.
FileStamp stampOfFile(const QString& path);

// True when the file at the path no longer holds what the stamp recorded. A file that is
// gone (or is no file) counts as unchanged: writing it anew loses nothing. Another size is
// a change. The same file (device and inode) with the same modification and change times
// is unchanged, unless its times are too coarse to tell a change made just after the stamp;
// otherwise the bytes are read and their hash decides.
bool changedSince(const QString& path, const FileStamp& stamp);

} // namespace tz
