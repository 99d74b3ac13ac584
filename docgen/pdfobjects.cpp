#include "docgen/pdfobjects.h"

namespace tz {
namespace {

// Fast compression: the text of a large document is most of its size, and the best
// compression took longer than all the rest of writing it.
constexpr int kCompression = 1;

} // namespace

QByteArray PdfObjects::number(qreal value) {
    QByteArray text = QByteArray::number(value, 'f', 6);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

void PdfObjects::appendTextString(QByteArray& out, std::initializer_list<QStringView> parts) {
    char code[4];
    qsizetype size = 2 + 2; // the parentheses and the byte order mark
    for (const QStringView part : parts) {
        for (const QChar ch : part)
            size += putInString(code, ch.unicode()) - code;
    }
    const qsizetype start = out.size();
    out.reserve(start + size + 16); // room for the end of a dictionary without a copy
    out.resize(start + size);
    char* to = out.data() + start;
    *to++ = '(';
    to = putInString(to, 0xfeff);
    for (const QStringView part : parts) {
        for (const QChar ch : part)
            to = putInString(to, ch.unicode());
    }
    *to = ')';
}

PdfObjects::PdfObjects(QIODevice& device) : m_device(device) {
    put("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
}

int PdfObjects::reserve() {
    m_places.append(-1);
    return int(m_places.size() - 1);
}

void PdfObjects::put(const char* data, qsizetype size) {
    if (m_ok && m_device.write(data, size) != size)
        m_ok = false;
    m_written += size;
}

void PdfObjects::put(const QByteArray& bytes) {
    put(bytes.constData(), bytes.size());
}

int PdfObjects::write(int number, const QByteArray& body) {
    m_places[number] = m_written;
    put(QByteArray::number(number) + " 0 obj\n");
    put(body);
    put("\nendobj\n");
    return number;
}

int PdfObjects::writeStream(int number, const QByteArray& data, const QByteArray& entries) {
    // qCompress puts the length before the zlib stream.
    const QByteArray packed = qCompress(data, kCompression);
    const char* stream = packed.constData() + 4;
    const qsizetype size = packed.size() - 4;
    m_places[number] = m_written;
    put(QByteArray::number(number) + " 0 obj\n<< /Length " + QByteArray::number(size) +
        " /Filter /FlateDecode " + entries + ">>\nstream\n");
    put(stream, size);
    put("\nendstream\nendobj\n");
    return number;
}

bool PdfObjects::finish(int catalog, int info) {
    const qint64 table = m_written;
    QByteArray xref = "xref\n0 " + QByteArray::number(m_places.size()) + "\n";
    xref += "0000000000 65535 f \n";
    for (qsizetype i = 1; i < m_places.size(); ++i) {
        if (m_places.at(i) < 0)
            return false;
        xref += QByteArray::number(m_places.at(i)).rightJustified(10, '0') + " 00000 n \n";
    }
    xref += "trailer\n<< /Size " + QByteArray::number(m_places.size()) + " /Root " + ref(catalog) +
            " /Info " + ref(info) + " >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    put(xref);
    return m_ok;
}

} // namespace tz
