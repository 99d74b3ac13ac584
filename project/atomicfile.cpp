#include "project/atomicfile.h"

#include "project/temporaryfile.h"

#include <QFile>
#include <QFileInfo>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tz {
namespace {

// A link stands for the file it names, which the save writes; the link stays. Links are
// followed to the end, as the system follows them; none for a loop.
std::optional<QFileInfo> fileBehindLinks(const QString& path) {
    constexpr int kMostLinks = 40;
    QFileInfo info(path);
    for (int followed = 0; info.isSymLink(); ++followed) {
        if (followed == kMostLinks)
            return std::nullopt;
        info.setFile(info.symLinkTarget());
    }
    return info;
}

// Unbuffered, so that a short write is seen when it happens and not committed at the end;
// synced, and a failing sync fails the write, as a disk that fails there has not kept it.
bool writeAndSync(int handle, const std::function<bool(QIODevice&)>& write) {
    QFile file;
    if (!file.open(handle, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::DontCloseHandle))
        return false;
    return write(file) && file.flush() && file.error() == QFileDevice::NoError &&
           ::fsync(handle) == 0;
}

// Written whole into a temporary file beside the file, which then takes its place. The file's
// permissions carry over; a new file gets those the umask leaves.
bool replaceByRename(const QFileInfo& target, const std::function<bool(QIODevice&)>& write) {
    struct stat info;
    const QByteArray path = QFile::encodeName(target.absoluteFilePath());
    const bool exists = ::stat(path.constData(), &info) == 0;
    // Private until it has the file's permissions.
    TemporaryFile temporary(target.absolutePath(), target.fileName(), exists ? 0600 : 0666);
    return temporary.isOpen() && writeAndSync(temporary.handle(), write) &&
           (!exists || ::fchmod(temporary.handle(), info.st_mode & 0777) == 0) &&
           temporary.replace(path);
}

} // namespace

bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const std::optional<QFileInfo> target = path.isEmpty() ? std::nullopt : fileBehindLinks(path);
    // Neither a device nor a folder is replaced.
    if (!target || (target->exists() && (!target->isFile() || !target->isWritable())))
        return false;
    return replaceByRename(*target, write);
}

bool writeFileAtomically(const QString& path, QByteArrayView bytes) {
    return writeFileAtomically(path, [&](QIODevice& device) {
        return device.write(bytes.data(), bytes.size()) == bytes.size();
    });
}

} // namespace tz
