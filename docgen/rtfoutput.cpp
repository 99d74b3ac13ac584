#include "docgen/rtfoutput.h"

#include "project/codec1251.h"

#include <QBuffer>

#include <algorithm>
#include <charconv>

namespace tz {
namespace {

// The most one character takes: "{}" before it and "\u-32768?".
constexpr qsizetype kMostBytesPerCharacter = 11;

// `previous` is the character before the text, 0 at a paragraph's start.
void appendText(QByteArray& out, QStringView text, char16_t& previous) {
    static const char hex[] = "0123456789abcdef";
    // Written through a pointer into room made beforehand: appending piece by piece cost
    // more than all the rest of the document.
    const qsizetype start = out.size();
    const qsizetype room = start + text.size() * kMostBytesPerCharacter;
    if (room > out.capacity())
        out.reserve(qMax(room, 2 * out.capacity()));
    out.resize(room);
    char* p = out.data() + start;
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        // LibreOffice turns each space of a run into a six-per-em space and a space; an empty
        // group between them keeps them plain spaces, and other readers ignore it.
        if (ch == u' ' && previous == u' ') {
            *p++ = '{';
            *p++ = '}';
        }
        previous = ch;
        if (ch == u'\\' || ch == u'{' || ch == u'}') {
            *p++ = '\\';
            *p++ = char(ch);
            continue;
        }
        if (ch == u'\t') {
            p = std::copy_n("\\tab ", 5, p);
            continue;
        }
        if (ch >= 0x20 && ch < 0x7f) {
            *p++ = char(ch);
            continue;
        }
        // 0x98 has no character in Windows-1251, so readers would not agree on it.
        const unsigned char b = ch >= 0x80 ? byte1251(ch) : 0;
        if (b >= 0x80 && b != 0x98) {
            p = std::copy_n("\\'", 2, p);
            *p++ = hex[b >> 4];
            *p++ = hex[b & 0xf];
            continue;
        }
        // RTF takes the UTF-16 unit as a signed 16-bit number; a surrogate pair is two.
        p = std::copy_n("\\u", 2, p);
        p = std::to_chars(p, p + 6, int(qint16(ch))).ptr;
        *p++ = '?';
    }
    out.truncate(p - out.constData());
}

} // namespace

void appendRtfText(QByteArray& out, QStringView text) {
    char16_t previous = 0;
    appendText(out, text, previous);
}

void appendRtfText(OutputStream& out, QStringView text) {
    // A piece at a time, so that a paragraph of any length takes little more memory than its
    // text.
    constexpr qsizetype kPiece = 1 << 16;
    char16_t previous = 0;
    for (qsizetype from = 0; from < text.size(); from += kPiece) {
        appendText(out.pending(), text.sliced(from, qMin(kPiece, text.size() - from)), previous);
        out.flushIfFull();
    }
}

RtfStream::RtfStream(OutputStream& out, const QStringList& fonts, const QList<quint32>& colours)
    : m_out(out), m_fonts(fonts), m_colours(colours) {
    QByteArray& head = m_out.pending();
    head += "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\r\n{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        head += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset204 ";
        appendRtfText(head, fonts.at(i));
        head += ";}";
    }
    head += "}\r\n{\\colortbl;";
    for (const quint32 c : colours) {
        head += "\\red" + QByteArray::number((c >> 16) & 0xff) + "\\green" +
                QByteArray::number((c >> 8) & 0xff) + "\\blue" + QByteArray::number(c & 0xff) + ';';
    }
    head += "}\r\n\\uc1\r\n";
}

void RtfStream::append(QStringView text) {
    // Runs of lines share their attributes, and so the control words that set them.
    if (m_paragraphStart.isEmpty() || current != m_previous) {
        Q_ASSERT(m_fonts.contains(current.fontName) && m_colours.contains(current.colour));
        m_paragraphStart = "\\pard\\f" + QByteArray::number(m_fonts.indexOf(current.fontName));
        // Colour 0 of the table is the reader's default, so the document's own start at 1.
        m_paragraphStart += "\\cf" + QByteArray::number(m_colours.indexOf(current.colour) + 1);
        m_paragraphStart += "\\fs" + QByteArray::number(current.sizePt * 2);
        m_paragraphStart += current.bold ? "\\b " : "\\b0 ";
        m_previous = current;
    }
    m_out.write(m_paragraphStart);
    appendRtfText(m_out, text);
    m_out.write("\\par\r\n");
}

void RtfStream::finish() {
    m_out.write("}\r\n");
}

QByteArray rtfBytes(const DocBuffer& doc) {
    QStringList fonts;
    QList<quint32> colours;
    for (const DocLine& line : doc.lines()) {
        if (!fonts.contains(line.attributes.fontName))
            fonts.append(line.attributes.fontName);
        if (!colours.contains(line.attributes.colour))
            colours.append(line.attributes.colour);
    }
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    OutputStream out(device);
    RtfStream rtf(out, fonts, colours);
    for (const DocLine& line : doc.lines()) {
        rtf.current = line.attributes;
        rtf.append(line.text);
    }
    rtf.finish();
    out.finish();
    return bytes;
}

} // namespace tz
