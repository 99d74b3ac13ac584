#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

namespace tz {

// One member of a ZIP archive with its data as stored (compressed or not).
struct ZipEntry {
    QByteArray name;
    quint16 versionNeeded = 10;
    quint16 method = 0; // 0 stored, 8 deflated
    quint16 dosTime = 0;
    quint16 dosDate = 0;
    quint32 crc = 0;
    quint32 size = 0; // uncompressed
    QByteArray data;
};

// The members of an archive as its central directory lists them, in order; nothing when the
// bytes are not an archive this reader knows (split, ZIP64 or cut short).
std::optional<QList<ZipEntry>> readZipEntries(QByteArrayView zip);

// An uncompressed member holding the bytes, dated like the given one.
ZipEntry storedZipEntry(const QByteArray& name, const QByteArray& bytes, const ZipEntry& datedLike);

// The archive of the members in order, their data copied as stored.
QByteArray zipBytes(const QList<ZipEntry>& entries);

} // namespace tz
