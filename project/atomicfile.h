#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QIODevice;

namespace tz {

// Replaces the file's content as a whole: what the writer writes goes to a temporary file
// beside it that is flushed and synced to the disk before it takes the file's place, so that
// a failed write, a full disk or a failing sync leaves the earlier file as it was. Only
// regular files (or new names) are written; a name too long to leave room for the temporary
// file's suffix gets a temporary file of a shorter name. False on any failure, and when the
// writer returns false.
bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);
bool writeFileAtomically(const QString& path, QByteArrayView bytes);

} // namespace tz
