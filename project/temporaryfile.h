#pragma once

#include "project/sidefiles.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace tz {

// The temporary file of a save that replaces a file by renaming: where the file system
// allows (O_TMPFILE), it has no name until it is complete, so that not even a killed save
// leaves it behind; elsewhere it is named after the file. Either way the leftovers of killed
// saves of the file are removed first. Locked while it is open, so that another save's
// clean-up leaves it alone. Removed unless it has replaced the file.
class TemporaryFile {
public:
    // In the folder of the file, with the permissions given (the system's umask applies).
    TemporaryFile(const QString& folder, const QString& fileName, mode_t mode);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool isOpen() const { return m_handle >= 0; }
    int handle() const { return m_handle; }
    // Gives the written file the place of the file at the path.
    bool replace(const QByteArray& path);

private:
    bool openUnnamed(mode_t mode);
    bool openNamed(mode_t mode);
    bool giveName();

    QByteArray m_folder;
    SideFileNames m_names;
    int m_handle = -1;
    QByteArray m_path; // empty while it has no name
};

} // namespace tz
