#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tz {

// Which file a path names, whatever the name: two names of one file (a hard link, a bind
// mount, another letter case on FAT, a link) have the same device and inode.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// What stat says of the file a path names, links followed. Times in nanoseconds since the
// epoch; the change time is set by the system at every change and cannot be set back. The
// birth time tells a file from a later one that got the inode of a deleted file; 0 where the
// file system keeps none.
struct FileStatus {
    FileIdentity identity;
    bool regular = false;
    qint64 size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    qint64 born = 0;
    friend bool operator==(const FileStatus&, const FileStatus&) = default;
};

// Nothing when the path names nothing (or cannot be looked at).
std::optional<FileStatus> statusOf(const QString& path);
// True when both paths name one existing file.
bool sameFile(const QString& a, const QString& b);

} // namespace tz
