#include "docgen/rtfoutput.h"

#include "project/codec1251.h"

#include <algorithm>
#include <charconv>

namespace tz {
namespace {

// The most one character takes: "{}" before it and "\u-32768?".
constexpr qsizetype kMostBytesPerCharacter = 11;

void appendText(QByteArray& out, const QString& text) {
    static const char hex[] = "0123456789abcdef";
    // Written through a pointer into room made beforehand: appending piece by piece cost
    // more than all the rest of the document.
    const qsizetype start = out.size();
    const qsizetype room = start + text.size() * kMostBytesPerCharacter;
    if (room > out.capacity())
        out.reserve(qMax(room, 2 * out.capacity()));
    out.resize(room);
    char* p = out.data() + start;
    char16_t previous = 0;
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

// The position of the value in a font or colour table, added at its end when new.
template <typename T> qsizetype tableIndex(QList<T>& list, const T& value) {
    qsizetype i = list.indexOf(value);
    if (i < 0) {
        list.append(value);
        i = list.size() - 1;
    }
    return i;
}

} // namespace

QByteArray rtfBytes(const DocBuffer& doc) {
    QStringList fonts;
    QList<quint32> colours;
    QByteArray body;
    // Runs of lines share their attributes, and so the control words that set them.
    const TextAttributes* previous = nullptr;
    QByteArray paragraphStart;
    for (const DocLine& line : doc.lines()) {
        const TextAttributes& a = line.attributes;
        if (!previous || a != *previous) {
            paragraphStart = "\\pard\\f" + QByteArray::number(tableIndex(fonts, a.fontName));
            // Colour 0 of the table is the reader's default, so the document's own start at 1.
            paragraphStart += "\\cf" + QByteArray::number(tableIndex(colours, a.colour) + 1);
            paragraphStart += "\\fs" + QByteArray::number(a.sizePt * 2);
            paragraphStart += a.bold ? "\\b " : "\\b0 ";
            previous = &a;
        }
        body += paragraphStart;
        appendText(body, line.text);
        body += "\\par\r\n";
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\r\n{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset204 ";
        appendText(out, fonts.at(i));
        out += ";}";
    }
    out += "}\r\n{\\colortbl;";
    for (const quint32 c : colours) {
        out += "\\red" + QByteArray::number((c >> 16) & 0xff) + "\\green" +
               QByteArray::number((c >> 8) & 0xff) + "\\blue" + QByteArray::number(c & 0xff) + ';';
    }
    out += "}\r\n\\uc1\r\n";
    out += body;
    out += "}\r\n";
    return out;
}

} // namespace tz
