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

} // namespace tz
