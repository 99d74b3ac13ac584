#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>

namespace tz {

// The numbered objects of a PDF written one after another to a device, with the table of
// their places and the trailer at the end. Numbers can be taken before their objects are
// written, so that pages refer to objects that follow them.
class PdfObjects {
public:
    explicit PdfObjects(QIODevice& device);

    int reserve();
    // Writes the object of a number; returns that number.
    int write(int number, const QByteArray& body);
    int write(const QByteArray& body) { return write(reserve(), body); }
    // A stream object, compressed, with any further entries of its dictionary.
    int writeStream(int number, const QByteArray& data, const QByteArray& entries = {});
    int writeStream(const QByteArray& data, const QByteArray& entries = {}) {
        return writeStream(reserve(), data, entries);
    }
    // The table of places and the trailer. False when any write failed or an object that
    // was reserved is missing.
    bool finish(int catalog, int info);

    static QByteArray ref(int number) { return QByteArray::number(number) + " 0 R"; }
    // A real number as PDF writes it: at most six decimals, no exponent.
    static QByteArray number(qreal value);

private:
    void put(const QByteArray& bytes);
    void put(const char* data, qsizetype size);

    QIODevice& m_device;
    QList<qint64> m_places{0}; // object 0 is the head of the free list
    qint64 m_written = 0;
    bool m_ok = true;
};

} // namespace tz
