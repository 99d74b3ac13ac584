#include "docgen/zipentries.h"

#include <QtEndian>

#include <array>

namespace tz {
namespace {

constexpr quint32 kLocalSignature = 0x04034b50;
constexpr quint32 kCentralSignature = 0x02014b50;
constexpr quint32 kEndSignature = 0x06054b50;
constexpr qsizetype kLocalSize = 30;
constexpr qsizetype kCentralSize = 46;
constexpr qsizetype kEndSize = 22;

quint32 crc32(QByteArrayView bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xffffffffu;
    for (const char b : bytes)
        crc = table[(crc ^ quint8(b)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}

// Little-endian fields at a position; every read is checked against the end first.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    bool has(qsizetype at, qsizetype count) const {
        return at >= 0 && count >= 0 && at <= m_bytes.size() - count;
    }
    quint16 u16(qsizetype at) const { return qFromLittleEndian<quint16>(m_bytes.data() + at); }
    quint32 u32(qsizetype at) const { return qFromLittleEndian<quint32>(m_bytes.data() + at); }
    QByteArrayView bytes(qsizetype at, qsizetype count) const { return m_bytes.sliced(at, count); }
    qsizetype size() const { return m_bytes.size(); }

private:
    QByteArrayView m_bytes;
};

void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// The fields that the local header and the central directory share, from "version needed"
// to the name's length.
void putCommon(QByteArray& out, const ZipEntry& entry) {
    put16(out, entry.versionNeeded);
    put16(out, 0); // flags: sizes are in the header, names are ASCII
    put16(out, entry.method);
    put16(out, entry.dosTime);
    put16(out, entry.dosDate);
    put32(out, entry.crc);
    put32(out, quint32(entry.data.size()));
    put32(out, entry.size);
    put16(out, quint16(entry.name.size()));
}

} // namespace

std::optional<QList<ZipEntry>> readZipEntries(QByteArrayView zip) {
    const Reader r(zip);
    const qsizetype end = r.size() - kEndSize;
    if (!r.has(end, kEndSize) || r.u32(end) != kEndSignature)
        return std::nullopt;
    const quint16 count = r.u16(end + 10);
    qsizetype at = r.u32(end + 16);
    QList<ZipEntry> entries;
    for (quint16 i = 0; i < count; ++i) {
        if (!r.has(at, kCentralSize) || r.u32(at) != kCentralSignature)
            return std::nullopt;
        ZipEntry entry;
        entry.versionNeeded = r.u16(at + 6);
        entry.method = r.u16(at + 10);
        entry.dosTime = r.u16(at + 12);
        entry.dosDate = r.u16(at + 14);
        entry.crc = r.u32(at + 16);
        const qsizetype compressed = r.u32(at + 20);
        entry.size = r.u32(at + 24);
        const qsizetype nameLength = r.u16(at + 28);
        const qsizetype skipped = r.u16(at + 30) + r.u16(at + 32);
        const qsizetype local = r.u32(at + 42);
        if (!r.has(at + kCentralSize, nameLength + skipped))
            return std::nullopt;
        entry.name = r.bytes(at + kCentralSize, nameLength).toByteArray();
        if (!r.has(local, kLocalSize) || r.u32(local) != kLocalSignature)
            return std::nullopt;
        const qsizetype data = local + kLocalSize + r.u16(local + 26) + r.u16(local + 28);
        if (!r.has(data, compressed))
            return std::nullopt;
        entry.data = r.bytes(data, compressed).toByteArray();
        entries.append(entry);
        at += kCentralSize + nameLength + skipped;
    }
    return entries;
}

ZipEntry storedZipEntry(const QByteArray& name, const QByteArray& bytes,
                        const ZipEntry& datedLike) {
    ZipEntry entry;
    entry.name = name;
    entry.dosTime = datedLike.dosTime;
    entry.dosDate = datedLike.dosDate;
    entry.crc = crc32(bytes);
    entry.size = quint32(bytes.size());
    entry.data = bytes;
    return entry;
}

QByteArray zipBytes(const QList<ZipEntry>& entries) {
    QByteArray out;
    QList<quint32> offsets;
    for (const ZipEntry& entry : entries) {
        offsets.append(quint32(out.size()));
        put32(out, kLocalSignature);
        putCommon(out, entry);
        put16(out, 0); // extra field
        out += entry.name;
        out += entry.data;
    }
    const quint32 directory = quint32(out.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ZipEntry& entry = entries.at(i);
        put32(out, kCentralSignature);
        put16(out, 20); // made by: MS-DOS, version 2.0
        putCommon(out, entry);
        put16(out, 0); // extra field
        put16(out, 0); // comment
        put16(out, 0); // disk
        put16(out, 0); // internal attributes
        put32(out, 0); // external attributes
        put32(out, offsets.at(i));
        out += entry.name;
    }
    const quint32 directorySize = quint32(out.size()) - directory;
    put32(out, kEndSignature);
    put16(out, 0); // this disk
    put16(out, 0); // the directory's disk
    put16(out, quint16(entries.size()));
    put16(out, quint16(entries.size()));
    put32(out, directorySize);
    put32(out, directory);
    put16(out, 0); // comment
    return out;
}

} // namespace tz
