#include "project/temporaryfile.h"

#include "project/unfinishedfile.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tz {
namespace {

// Locks the new file against other saves' clean-up. A file system without locks (some
// network shares) leaves it unlocked: a clean-up cannot lock it either, and so keeps off.
bool lockNew(int handle) {
    return ::flock(handle, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

} // namespace

TemporaryFile::TemporaryFile(const QString& folder, const QString& fileName, mode_t mode)
    : m_folder(QFile::encodeName(folder)), m_names(folder, fileName, SideFile::Temporary) {
    removeLeftoverTemporaries(m_names);
    if (!openUnnamed(mode))
        openNamed(mode);
}

TemporaryFile::~TemporaryFile() {
    if (!m_path.isEmpty()) {
        forgetUnfinishedFile();
        if (stillNamed(m_handle, m_path))
            ::unlink(m_path.constData());
    }
    if (m_handle >= 0)
        ::close(m_handle);
}

bool TemporaryFile::openUnnamed(mode_t mode) {
    // The file is given its name through /proc; without it, it could not be named at all.
    if (::access("/proc/self/fd", X_OK) != 0)
        return false;
    m_handle = ::open(m_folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (m_handle >= 0 && !lockNew(m_handle)) {
        ::close(m_handle);
        m_handle = -1;
    }
    return m_handle >= 0;
}

bool TemporaryFile::openNamed(mode_t mode) {
    for (int slot = 0; slot < SideFileNames::kSlots; ++slot) {
        const QByteArray path = m_names.path(slot);
        const int handle =
            ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (handle < 0 && errno == EEXIST)
            continue;
        if (handle < 0)
            return false;
        // Another save's clean-up may have taken it in the moment before it was locked.
        if (lockNew(handle) && stillNamed(handle, path)) {
            m_handle = handle;
            m_path = path;
            markUnfinishedFile(path);
            return true;
        }
        ::close(handle);
    }
    return false;
}

// A file made with O_TMPFILE cannot take a name that exists: it is linked to a free name of
// its own, which is at once renamed over the file.
bool TemporaryFile::giveName() {
    const QByteArray source = "/proc/self/fd/" + QByteArray::number(m_handle);
    for (int slot = 0; slot < SideFileNames::kSlots; ++slot) {
        const QByteArray path = m_names.path(slot);
        if (::linkat(AT_FDCWD, source.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) ==
            0) {
            m_path = path;
            markUnfinishedFile(path);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool TemporaryFile::replace(const QByteArray& path) {
    if (!isOpen() || (m_path.isEmpty() && !giveName()))
        return false;
    // Once renamed, the name is the file's: a signal must not remove it.
    forgetUnfinishedFile();
    if (std::rename(m_path.constData(), path.constData()) != 0)
        return false;
    m_path.clear();
    return true;
}

} // namespace tz
