#pragma once

#include <QByteArray>
#include <QString>

namespace tz {

// Files a save makes beside the file it writes: a temporary file, which the save renames over
// the file or removes, and a backup copy, kept when a write in place fails. Each is named
// after the file, cut to fit the file system however long the file's name is, with a hash of
// the whole name and one of a few slots: a pattern of this program's own, by which a save
// knows the leftovers of an earlier one.
enum class SideFile { Temporary, Backup };
class SideFileNames {
public:
    static constexpr int kSlots = 16;
    SideFileNames(const QString& folder, const QString& fileName, SideFile kind);
    QByteArray path(int slot) const { return m_stem + QByteArray::number(slot, 16); }

private:
    QByteArray m_stem;
};

// Removes the temporary files that earlier saves of the file left behind when they were
// killed: only regular files of this user with no other name, which no running save holds.
void removeLeftoverTemporaries(const SideFileNames& temporaries);

// True when the path still names the open file.
bool stillNamed(int handle, const QByteArray& path);

} // namespace tz
