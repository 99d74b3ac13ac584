#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QStringView>

namespace tz {

// Bytes on their way to a device, handed over a mebibyte at a time so that a document is
// never whole in memory.
class OutputStream {
public:
    explicit OutputStream(QIODevice& device) : m_device(device) {}
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    void write(QByteArrayView bytes) {
        m_pending.append(bytes);
        flushIfFull();
    }
    // The text in Windows-1251; a character it lacks becomes "?" (writers make references of
    // such characters first).
    void write1251(QStringView text);
    // The bytes still to go, for a writer that appends to them itself; flushIfFull() after.
    QByteArray& pending() { return m_pending; }
    void flushIfFull() {
        if (m_pending.size() >= kChunk)
            flush();
    }
    // Hands over what is left; false when any write failed.
    bool finish();

private:
    static constexpr qsizetype kChunk = 1 << 20;
    void flush();

    QIODevice& m_device;
    QByteArray m_pending;
    bool m_failed = false;
};

} // namespace tz
