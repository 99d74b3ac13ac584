#pragma once

#include "project/textlines.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tz {

// Character attributes of a rich-text paragraph.
struct TextAttributes {
    QString fontName;
    quint32 colour = 0; // 0xRRGGBB
    int sizePt = 0;
    bool bold = false;

    friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};

struct DocLine {
    QString text;
    TextAttributes attributes;

    friend bool operator==(const DocLine&, const DocLine&) = default;
};

// The document as the writer builds it: lines in order, each with the attributes that
// were current when it was appended. In HTML every line is one line of source and the
// attributes mean nothing.
class DocBuffer {
public:
    TextAttributes current;

    const QList<DocLine>& lines() const { return m_lines; }
    QStringList texts() const;
    bool isEmpty() const { return m_lines.isEmpty(); }
    void clear() { m_lines.clear(); }

    // One line, exactly as given.
    void append(const QString& text);
    // One paragraph per line of the text (CR LF, lone CR or lone LF end a line).
    void appendParagraphs(const QString& text);

private:
    QList<DocLine> m_lines;
};

} // namespace tz
