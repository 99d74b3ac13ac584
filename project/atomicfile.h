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
// written. False on any failure, and when the writer returns false; the system's error number
// of the failure (errno) then goes to error.
bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         int* error = nullptr);
bool writeFileAtomically(const QString& path, QByteArrayView bytes, int* error = nullptr);

// Why a file could not be written, for the user: "нет доступа", "нет места на диске",
// "папка не найдена" and the like, from the system's error number.
QString writeFailureReason(int error);

} // namespace tz
