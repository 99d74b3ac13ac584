#include "project/fileidentity.h"

#include <QFile>

#include <sys/stat.h>

namespace tz {
namespace {

qint64 nanoseconds(const timespec& time) {
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

} // namespace

std::optional<FileStatus> statusOf(const QString& path) {
    struct stat info;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileStatus{{quint64(info.st_dev), quint64(info.st_ino)},
                      S_ISREG(info.st_mode),
                      qint64(info.st_size),
                      nanoseconds(info.st_mtim),
                      nanoseconds(info.st_ctim)};
}

bool sameFile(const QString& a, const QString& b) {
    const std::optional<FileStatus> first = statusOf(a);
    const std::optional<FileStatus> second = first ? statusOf(b) : std::nullopt;
    return second && first->identity == second->identity;
}

} // namespace tz
