#include "docgen/docbuffer.h"

namespace tz {

QStringList DocBuffer::texts() const {
    QStringList out;
    out.reserve(m_lines.size());
    for (const DocLine& line : m_lines)
        out.append(line.text);
    return out;
}

void DocBuffer::append(const QString& text) {
    m_lines.append({text, current});
}

void DocBuffer::appendParagraphs(const QString& text) {
    for (const QString& line : splitLines(text))
        append(line);
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

} // namespace tz
