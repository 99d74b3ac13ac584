#include "project/fileidentity.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace tz {
namespace {

qint64 nanoseconds(const statx_timestamp& time) {
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

} // namespace

std::optional<FileStatus> statusOf(const QString& path) {
    struct statx info;
    if (path.isEmpty() || ::statx(AT_FDCWD, QFile::encodeName(path).constData(), 0,
                                  STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return std::nullopt;
    return FileStatus{{makedev(info.stx_dev_major, info.stx_dev_minor), info.stx_ino},
                      S_ISREG(info.stx_mode),
                      qint64(info.stx_size),
                      nanoseconds(info.stx_mtime),
                      nanoseconds(info.stx_ctime),
                      info.stx_mask & STATX_BTIME ? nanoseconds(info.stx_btime) : 0};
}

bool sameFile(const QString& a, const QString& b) {
    const std::optional<FileStatus> first = statusOf(a);
    const std::optional<FileStatus> second = first ? statusOf(b) : std::nullopt;
    return second && first->identity == second->identity;
}

} // namespace tz
