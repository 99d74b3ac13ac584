#include "project/inplacewrite.h"

#include "project/sidefiles.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tz {
namespace {

bool copyAll(int from, int to) {
    QByteArray piece(1 << 20, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(from, piece.data(), size_t(piece.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, piece.constData() + done, size_t(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return false;
            done += put;
        }
    }
}

// A synced copy of the file in a free slot beside it: the backup an earlier failed write
// left is not written over. Empty when none could be made.
QByteArray backUp(int file, const SideFileNames& backups) {
    for (int slot = 0; slot < SideFileNames::kSlots; ++slot) {
        const QByteArray path = backups.path(slot);
        const int copy =
            ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (copy < 0 && errno == EEXIST)
            continue;
        if (copy < 0)
            return QByteArray();
        const bool copied = copyAll(file, copy) && ::fsync(copy) == 0;
        if (::close(copy) == 0 && copied)
            return path;
        ::unlink(path.constData());
        return QByteArray();
    }
    return QByteArray();
}

} // namespace

bool writeInPlace(const QString& path, const std::function<bool(int handle)>& write) {
    const QFileInfo info(path);
    const int file = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (file < 0)
        return false;
    const QByteArray backup =
        backUp(file, SideFileNames(info.absolutePath(), info.fileName(), SideFile::Backup));
    bool written = !backup.isEmpty() && ::lseek(file, 0, SEEK_SET) == 0 && write(file);
    const off_t end = written ? ::lseek(file, 0, SEEK_CUR) : -1;
    written = written && end >= 0 && ::ftruncate(file, end) == 0 && ::fsync(file) == 0;
    if (written)
        ::unlink(backup.constData());
    ::close(file);
    return written;
}

} // namespace tz
