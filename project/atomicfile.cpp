#include "project/atomicfile.h"

#include "project/inplacewrite.h"
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

// Unbuffered, so that a short write is seen when it happens and not committed at the end.
bool writeTo(int handle, const std::function<bool(QIODevice&)>& write) {
    QFile file;
    return file.open(handle, QIODevice::WriteOnly | QIODevice::Unbuffered,
                     QFileDevice::DontCloseHandle) &&
           write(file) && file.flush() && file.error() == QFileDevice::NoError;
}

// Written whole into a temporary file beside the file, which then takes its place. The file's
// permissions carry over; a new file gets those the umask leaves. Synced before, as a disk
// whose sync fails has not kept what it was given.
bool replaceByRename(const QFileInfo& target, const struct stat* existing,
                     const std::function<bool(QIODevice&)>& write) {
    // Private until it has the file's permissions.
    TemporaryFile temporary(target.absolutePath(), target.fileName(), existing ? 0600 : 0666);
    return temporary.isOpen() && writeTo(temporary.handle(), write) &&
           (!existing || ::fchmod(temporary.handle(), existing->st_mode & 0777) == 0) &&
           ::fsync(temporary.handle()) == 0 &&
           temporary.replace(QFile::encodeName(target.absoluteFilePath()));
}

} // namespace

bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const std::optional<QFileInfo> target = path.isEmpty() ? std::nullopt : fileBehindLinks(path);
    // Neither a device nor a folder is replaced.
    if (!target || (target->exists() && (!target->isFile() || !target->isWritable())))
        return false;
    struct stat existing;
    if (::stat(QFile::encodeName(target->absoluteFilePath()).constData(), &existing) != 0)
        return replaceByRename(*target, nullptr, write);
    if (existing.st_nlink > 1)
        return writeInPlace(target->absoluteFilePath(),
                            [&](int handle) { return writeTo(handle, write); });
    return replaceByRename(*target, &existing, write);
}

bool writeFileAtomically(const QString& path, QByteArrayView bytes) {
    return writeFileAtomically(path, [&](QIODevice& device) {
        return device.write(bytes.data(), bytes.size()) == bytes.size();
    });
}

} // namespace tz
