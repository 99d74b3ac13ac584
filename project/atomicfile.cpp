#include "project/atomicfile.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tz {

// QSaveFile syncs before it renames, but ignores a failing sync; a disk that fails there
// would see its data reported as saved.
bool syncToDisk(int handle) {
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

bool isWritableFilePath(const QString& path) {
    // QSaveFile would replace a device, a folder or a link target's directory entry.
    const QFileInfo info(path);
    return !path.isEmpty() && (!info.exists() || info.isFile());
}

bool writeFileAtomically(const QString& path, QByteArrayView bytes) {
    if (!isWritableFilePath(path))
        return false;
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
