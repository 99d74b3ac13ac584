#pragma once

#include <QByteArrayView>
#include <QString>

namespace tz {

// Replaces the file's content as a whole: the bytes go to a temporary file that is flushed
// and synced to the disk before it takes the file's place, so that a failed write, a full
// disk or a failing sync leaves the earlier file as it was. Only regular files (or new
// names) are written. False on any failure.
bool writeFileAtomically(const QString& path, QByteArrayView bytes);

} // namespace tz
