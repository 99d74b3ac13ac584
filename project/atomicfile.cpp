#include "project/atomicfile.h"

#include "project/namelimit.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#endif

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tz {
namespace {

// QSaveFile names its temporary file after the file with "." and six characters more.
constexpr qsizetype kTemporarySuffix = 7;

// QSaveFile syncs before it renames, but ignores a failing sync; a disk that fails there
// would see its data reported as saved.
bool syncToDisk(int handle) {
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

bool writeAll(int handle, QByteArrayView bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(handle, bytes.data() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// The same steps as QSaveFile, with a temporary file whose name is cut to fit the file
// system: created new beside the file, written, given the file's permissions, synced, and
// renamed over the file.
bool writeThroughShortName(const QFileInfo& info, QByteArrayView bytes) {
    const QString folder = info.absolutePath();
    const QString stem =
        folder + u'/' + cutToFit(info.fileName(), kTemporarySuffix, nameLimit(folder)) + u'.';
    QByteArray temporary;
    int handle = -1;
    for (int attempt = 0; attempt < 100 && handle < 0; ++attempt) {
        temporary = QFile::encodeName(
            stem + QString::number(QRandomGenerator::global()->bounded(1u << 30), 36)
                       .rightJustified(6, u'0')
                       .right(6));
        handle = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle < 0 && errno != EEXIST)
            return false;
    }
    if (handle < 0)
        return false;
    struct stat existing;
    const bool replaces =
        ::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &existing) == 0;
    bool ok = writeAll(handle, bytes) &&
              (!replaces || ::fchmod(handle, existing.st_mode & 07777) == 0) && syncToDisk(handle);
    ok = ::close(handle) == 0 && ok;
    ok = ok && std::rename(temporary.constData(),
                           QFile::encodeName(info.absoluteFilePath()).constData()) == 0;
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
}

} // namespace

bool writeFileAtomically(const QString& path, QByteArrayView bytes) {
    // QSaveFile would replace a device, a folder or a link target's directory entry.
    const QFileInfo info(path);
    if (path.isEmpty() || (info.exists() && (!info.isFile() || !info.isWritable())))
        return false;
    if (!fitsWithRoom(info.fileName(), kTemporarySuffix, nameLimit(info.absolutePath())))
        return writeThroughShortName(info, bytes);
    QSaveFile file(path);
    // Buffered, a short write at commit time could still be committed as a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush() ||
        !syncToDisk(file.handle())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tz
