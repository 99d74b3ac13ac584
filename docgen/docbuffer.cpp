#include "docgen/docbuffer.h"

namespace tz {

QStringList DocBuffer::texts() const {
    QStringList out;
    out.reserve(m_lines.size());
    for (const DocLine& line : m_lines)
        out.append(line.text);
    return out;
}

void DocBuffer::append(QStringView text) {
    m_lines.append({text.toString(), current});
}

void DocSink::appendParagraphs(const QString& text) {
    forEachLine(text, [this](QStringView line) { append(line); });
}

} // namespace tz
