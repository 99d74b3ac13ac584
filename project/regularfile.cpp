#include "project/regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace tz {
namespace {

using Status = RegularFile::Status;

// Reads up to the limit and one byte more, so that a file that grows, or one that states no
// size (as in /proc), is still bounded.
Status readBounded(int handle, qint64 size, qint64 limit, QByteArray& bytes) {
    constexpr qint64 kPiece = 1 << 20;
    try {
        bytes.reserve(qsizetype(size + 1));
        for (;;) {
            const qint64 want = qMin(kPiece, limit + 1 - bytes.size());
            const qsizetype at = bytes.size();
            bytes.resize(at + qsizetype(want));
            const ssize_t got = ::read(handle, bytes.data() + at, size_t(want));
            if (got < 0 && errno == EINTR) {
                bytes.resize(at);
                continue;
            }
            if (got < 0)
                return Status::Unreadable;
            bytes.resize(at + got);
            if (bytes.size() > limit)
                return Status::TooLarge;
            if (got == 0)
                return Status::Read;
        }
    } catch (const std::bad_alloc&) {
        bytes = QByteArray();
        return Status::NoMemory;
    }
}

} // namespace

RegularFile readRegularFile(const QString& path, qint64 limit) {
    if (QFileInfo(path).isSymLink() && !QFileInfo::exists(path))
        return {Status::NotAFile, {}};
    // Not blocking: a FIFO would wait for a writer before it could be told from a file.
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return {errno == ENOENT ? Status::Missing : Status::Unreadable, {}};
    RegularFile file;
    struct stat info;
    if (::fstat(handle, &info) != 0)
        file.status = Status::Unreadable;
    else if (!S_ISREG(info.st_mode))
        file.status = Status::NotAFile;
    else if (info.st_size > limit)
        file.status = Status::TooLarge;
    else
        file.status = readBounded(handle, info.st_size, limit, file.bytes);
    ::close(handle);
    if (file.status != Status::Read)
        file.bytes = QByteArray();
    return file;
}

} // namespace tz
