#include "project/sidefiles.h"

#include "project/namelimit.h"

#include <QCryptographicHash>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tz {

SideFileNames::SideFileNames(const QString& folder, const QString& fileName, SideFile kind) {
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(fileName), QCryptographicHash::Sha1)
            .toHex()
            .left(8);
    // A temporary file is hidden; a backup is the user's data and stays in sight.
    const QString head = kind == SideFile::Temporary ? QStringLiteral(".") : QString();
    const QString tail =
        u'~' + QString::fromLatin1(hash) +
        (kind == SideFile::Temporary ? QStringLiteral(".tzsave") : QStringLiteral(".tzbackup"));
    // The slot takes one byte more.
    const qsizetype room = QFile::encodeName(head + tail).size() + 1;
    m_stem = QFile::encodeName(folder + u'/' + head + cutToFit(fileName, room, nameLimit(folder)) +
                               tail);
}

bool stillNamed(int handle, const QByteArray& path) {
    struct stat open, named;
    return ::fstat(handle, &open) == 0 && ::lstat(path.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

void removeLeftoverTemporaries(const SideFileNames& temporaries) {
    for (int slot = 0; slot < SideFileNames::kSlots; ++slot) {
        const QByteArray path = temporaries.path(slot);
        // For writing, without changing it: a network file system locks only files open so.
        const int handle = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (handle < 0)
            continue;
        struct stat info;
        // A running save holds its temporary file locked from before it has a name until it
        // is renamed.
        if (::fstat(handle, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            info.st_nlink == 1 && ::flock(handle, LOCK_EX | LOCK_NB) == 0 &&
            stillNamed(handle, path))
            ::unlink(path.constData());
        ::close(handle);
    }
}

} // namespace tz
