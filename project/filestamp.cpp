#include "project/filestamp.h"

#include <QDateTime>
#include <QFile>
#include <QHash>

namespace tz {
namespace {

// Hashed in pieces of this size, so that a file on disk is hashed without reading it whole.
constexpr qsizetype kPiece = 1 << 20;
constexpr qint64 kSecond = 1'000'000'000;
// The coarsest time stamps in use: FAT's modification time counts in two seconds.
constexpr qint64 kCoarsestTick = 2 * kSecond;

qint64 now() {
    return QDateTime::currentMSecsSinceEpoch() * 1'000'000;
}

// A file system that keeps whole seconds (FAT, ext3, some network shares) gives the same
// times to a change made in the same second or two after the stamp; one that keeps finer
// times shows it.
bool timesCanTell(const FileStamp& stamp) {
    const FileStatus& status = stamp.status;
    const bool wholeSeconds = status.modified % kSecond == 0 && status.changed % kSecond == 0;
    return !wholeSeconds || stamp.taken - qMax(status.modified, status.changed) > kCoarsestTick;
}

} // namespace

size_t hashOfBytes(QByteArrayView bytes) {
    size_t hash = 0;
    for (qsizetype at = 0; at < bytes.size(); at += kPiece)
        hash = qHash(bytes.sliced(at, qMin(kPiece, bytes.size() - at)), hash);
    return hash;
}

FileStamp stampOf(const QString& path, QByteArrayView bytes) {
    const std::optional<FileStatus> status = statusOf(path);
    if (!status || !status->regular)
        return {};
    FileStamp stamp{true, *status, now(), hashOfBytes(bytes)};
    // The bytes are those read or written; the size is theirs too.
    stamp.status.size = bytes.size();
    return stamp;
}

FileStamp stampOfFile(const QString& path) {
    const qint64 taken = now();
    const std::optional<FileStatus> status = statusOf(path);
    QFile file(path);
    if (!status || !status->regular || !file.open(QIODevice::ReadOnly))
        return {};
    FileStamp stamp{true, *status, taken, 0};
    stamp.status.size = 0;
    while (!file.atEnd()) {
        const QByteArray piece = file.read(kPiece);
        if (piece.isEmpty())
            return {};
        stamp.hash = qHash(QByteArrayView(piece), stamp.hash);
        stamp.status.size += piece.size();
    }
    return stamp;
}

bool changedSince(const QString& path, const FileStamp& stamp) {
    const std::optional<FileStatus> status = statusOf(path);
    // A write to something that is not a file fails and says so by itself.
    if (!status || !status->regular)
        return false;
    if (!stamp.exists || status->size != stamp.status.size)
        return true;
    if (*status == stamp.status && timesCanTell(stamp))
        return false;
    const FileStamp now = stampOfFile(path);
    return !now.exists || now.status.size != stamp.status.size || now.hash != stamp.hash;
}

} // namespace tz
