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

// Where the document operations write: lines in order, each with the attributes that are
// current when it is appended. In HTML every line is one line of source and the attributes
// mean nothing.
class DocSink {
public:
    TextAttributes current;

    virtual ~DocSink() = default;
    // One line, exactly as given.
    virtual void append(QStringView text) = 0;
    // One paragraph per line of the text (CR LF, lone CR or lone LF end a line).
    virtual void appendParagraphs(const QString& text);
};

// The document kept in memory.
class DocBuffer : public DocSink {
public:
    const QList<DocLine>& lines() const { return m_lines; }
    QStringList texts() const;
    bool isEmpty() const { return m_lines.isEmpty(); }
    void clear() { m_lines.clear(); }

    void append(QStringView text) override;

private:
    QList<DocLine> m_lines;
};

} // namespace tz
