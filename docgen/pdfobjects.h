#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QStringView>

#include <initializer_list>

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
    // Writes the two bytes of a 16-bit code into a literal string at the place, escaped where
    // they would end it or read as a line break; the place after them. Four bytes at most.
    static char* putInString(char* to, quint16 code) {
        for (const char byte : {char(code >> 8), char(code & 0xff)}) {
            if (byte == '(' || byte == ')' || byte == '\\' || byte == '\r')
                *to++ = '\\';
            *to++ = byte == '\r' ? 'r' : byte;
        }
        return to;
    }
    // Appends the parts of a UTF-16 text as one literal string, with the byte order mark that
    // says so, allocating no more than the string takes.
    static void appendTextString(QByteArray& out, std::initializer_list<QStringView> parts);
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
