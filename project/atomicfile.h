#pragma once

#include <QByteArrayView>
#include <QString>

namespace tz {

// Replaces the file's content as a whole: the bytes go to a temporary file that is flushed
// and synced to the disk before it takes the file's place, so that a failed write, a full
// disk or a failing sync leaves the earlier file as it was. Only regular files (or new
// names) are written. False on any failure.
bool writeFileAtomically(const QString& path, QByteArrayView bytes);

// Whether a path may be written that way: a new name or a regular file.
bool isWritableFilePath(const QString& path);

// Syncs an open file's data to the disk; false when the disk reports a failure.
bool syncToDisk(int handle);

} // namespace tz
