#include "docgen/rtfoutput.h"

#include "project/codec1251.h"

namespace tz {
namespace {

void appendText(QByteArray& out, const QString& text) {
    static const char hex[] = "0123456789abcdef";
    char16_t previous = 0;
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        // LibreOffice turns each space of a run into a six-per-em space and a space; an empty
        // group between them keeps them plain spaces, and other readers ignore it.
        if (ch == u' ' && previous == u' ')
            out += "{}";
        previous = ch;
        if (ch == u'\\' || ch == u'{' || ch == u'}') {
            out += '\\';
            out += char(ch);
        } else if (ch == u'\t') {
            out += "\\tab ";
        } else if (ch >= 0x20 && ch < 0x7f) {
            out += char(ch);
        } else if (ch >= 0x80 && has1251Byte(ch) && byte1251(ch) >= 0x80 && byte1251(ch) != 0x98) {
            // 0x98 has no character in Windows-1251, so readers would not agree on it.
            const unsigned char b = byte1251(ch);
            out += "\\'";
            out += hex[b >> 4];
            out += hex[b & 0xf];
        } else {
            // RTF takes the UTF-16 unit as a signed 16-bit number; a surrogate pair is two.
            out += "\\u" + QByteArray::number(int(qint16(ch))) + '?';
        }
    }
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
    for (const DocLine& line : doc.lines()) {
        const TextAttributes& a = line.attributes;
        body += "\\pard\\f" + QByteArray::number(tableIndex(fonts, a.fontName));
        // Colour 0 of the table is the reader's default, so the document's own start at 1.
        body += "\\cf" + QByteArray::number(tableIndex(colours, a.colour) + 1);
        body += "\\fs" + QByteArray::number(a.sizePt * 2);
        body += a.bold ? "\\b " : "\\b0 ";
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
