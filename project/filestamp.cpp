#include "project/filestamp.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace tz {
namespace {

// Hashed in pieces of this size, so that a file on disk is hashed without reading it whole.
constexpr qsizetype kPiece = 1 << 20;

} // namespace

size_t hashOfBytes(QByteArrayView bytes) {
    size_t hash = 0;
    for (qsizetype at = 0; at < bytes.size(); at += kPiece)
        hash = qHash(bytes.sliced(at, qMin(kPiece, bytes.size() - at)), hash);
    return hash;
}

FileStamp stampOf(const QString& path, QByteArrayView bytes) {
    const QFileInfo info(path);
    return {info.isFile(), bytes.size(), info.lastModified(), hashOfBytes(bytes)};
}

FileStamp stampOfFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    FileStamp stamp{true, 0, QFileInfo(path).lastModified(), 0};
    while (!file.atEnd()) {
        const QByteArray piece = file.read(kPiece);
        if (piece.isEmpty())
            return {};
        stamp.hash = qHash(QByteArrayView(piece), stamp.hash);
        stamp.size += piece.size();
    }
    return stamp;
}

bool changedSince(const QString& path, const FileStamp& stamp) {
    const QFileInfo info(path);
    // A write to something that is not a file fails and says so by itself.
    if (!info.isFile())
        return false;
    if (!stamp.exists || info.size() != stamp.size)
        return true;
    if (info.lastModified() == stamp.modified)
        return false;
    const FileStamp now = stampOfFile(path);
    return !now.exists || now.size != stamp.size || now.hash != stamp.hash;
}

} // namespace tz
