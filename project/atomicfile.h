#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QIODevice;

namespace tz {

// Replaces the file's content as a whole: what the writer writes goes to a temporary file
// beside it that is synced to the disk before it takes the file's place, so that a failed
// write, a full disk or a failing sync leaves the earlier file as it was. Where the system
// allows, the temporary file has no name until then; where it needs one, the name fits the
// file system however long the file's own is. A link is written through to its target; a
// file with more names than one (hard links) is written in place, after a backup copy, so
// that its names stay one file (inplacewrite.h). Only regular files (or new names) are
// written. False on any failure, and when the writer returns false.
bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);
bool writeFileAtomically(const QString& path, QByteArrayView bytes);

} // namespace tz
