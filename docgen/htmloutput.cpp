#include "docgen/htmloutput.h"

#include "project/codec1251.h"

namespace tz {

QString escapeHtmlText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        switch (ch) {
        case u'&':
            out += QLatin1String("&amp;");
            continue;
        case u'<':
            out += QLatin1String("&lt;");
            continue;
        case u'>':
            out += QLatin1String("&gt;");
            continue;
        case u'"':
            out += QLatin1String("&quot;");
            continue;
        default:
            break;
        }
        if (has1251Byte(ch)) {
            out += QChar(ch);
            continue;
        }
        char32_t codePoint = ch;
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(ch, text.at(++i).unicode());
        else if (QChar::isSurrogate(ch))
            codePoint = QChar::ReplacementCharacter;
        out += QStringLiteral("&#%1;").arg(quint32(codePoint));
    }
    return out;
}

QByteArray htmlBytes(const DocBuffer& doc) {
    QString all;
    for (const DocLine& line : doc.lines()) {
        for (const QString& part : splitLines(line.text)) {
            all += part;
            all += QLatin1String("\r\n");
        }
    }
    return encode1251(all).bytes;
}

} // namespace tz
