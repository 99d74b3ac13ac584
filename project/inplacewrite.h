#pragma once

#include <QString>

#include <functional>

namespace tz {

// Writes a file that has more than one name (hard links) where it is, as editors do: a
// rename would give this name a new file and leave the other names with the old one. A
// backup copy beside it is synced first and removed once the new content is synced; a write
// that fails keeps it, as the file may then be half written. The writer writes the content
// from the start of the file, which is then cut where the writer ended.
bool writeInPlace(const QString& path, const std::function<bool(int handle)>& write);

} // namespace tz
