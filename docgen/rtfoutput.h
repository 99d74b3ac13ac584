#pragma once

#include "docgen/docbuffer.h"
#include "docgen/docmodel.h"
#include "docgen/outputstream.h"
#include "docgen/pagination.h"

#include <QByteArray>

namespace tz {

// Appends the text as RTF: every byte 7-bit, Cyrillic as Windows-1251 escapes, other
// characters as Unicode escapes with "?" for readers that lack them.
void appendRtfText(QByteArray& out, QStringView text);
// The same into the stream, handed over piece by piece.
void appendRtfText(OutputStream& out, QStringView text);

// The document operations' rich text written out as it comes, one paragraph per line with
// its font, colour, size and boldness. The fonts and colours of the tables are given first;
// lines take no others.
class RtfStream : public DocSink {
public:
    RtfStream(OutputStream& out, const QStringList& fonts, const QList<quint32>& colours);
    void append(QStringView text) override;
    // Closes the document.
    void finish();

private:
    OutputStream& m_out;
    QStringList m_fonts;
    QList<quint32> m_colours;
    TextAttributes m_previous;
    QByteArray m_paragraphStart;
};

// The rich-text buffer as an RTF document.
QByteArray rtfBytes(const DocBuffer& doc);

// The document model as RTF: A4, its sheets as sections, numbers at the top from sheet 2
// on, heading styles with outline levels, the contents as a field whose result holds the
// page numbers.
void writeRtf(const DocModel& model, const Pagination& pages, OutputStream& out);

} // namespace tz
