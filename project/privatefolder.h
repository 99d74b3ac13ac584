#pragma once

#include <QString>

namespace tz {

// Makes a folder of this user's alone (mode 0700) at the path when nothing has the name;
// true when the path is such a folder. Anything else at the name is refused and left as it
// is: a link, a file, a folder of another user or one that others may write in, where they
// could put or remove files.
bool ensurePrivateFolder(const QString& path);

} // namespace tz
