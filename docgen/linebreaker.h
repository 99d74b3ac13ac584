#pragma once

#include "docgen/docstyle.h"
#include "docgen/fontwidths.h"

#include <QStringView>

#include <functional>

namespace tz {

// One line of a paragraph's text and the width of its text.
struct BrokenLine {
    QStringView text;
    qreal width = 0;
};

// Takes a paragraph's text apart into the lines it fills at a width, one line at a time, so
// that a paragraph of any length is laid out without its lines being kept. Lines break at
// spaces and, unless the format is unbreakable, after hyphens; a word wider than a line is
// cut where the line is full.
class LineBreaker {
public:
    LineBreaker(QStringView text, qreal width, const ParaFormat& format);
    // The next line; false after the last one. An empty text is one empty line.
    bool next(BrokenLine& line);

private:
    qreal widthAt(qsizetype at) const { return m_widthOf(m_text.at(at).unicode()); }
    void scanSegment();
    BrokenLine take(qsizetype end, qreal width);

    QStringView m_text;
    qreal m_width;
    bool m_unbreakable;
    CharacterWidths m_widthOf;
    qsizetype m_lineStart = 0;
    qsizetype m_contentEnd = 0; // the end of the line's text without its last spaces
    qreal m_contentWidth = 0;
    qreal m_pending = 0; // the width of the spaces after the content
    qsizetype m_at = 0;  // where the segment being placed begins
    // The segment being placed: characters up to a space, or up to and with a breaking hyphen.
    qsizetype m_segmentEnd = 0;
    qreal m_segmentWidth = 0;
    bool m_inSegment = false;
    bool m_done = false;
};

// Calls line() for each line a paragraph's text takes at the width.
void breakLines(QStringView text, qreal width, const ParaFormat& format,
                const std::function<void(QStringView line, qreal width)>& line);
qreal textWidth(QStringView text, const ParaFormat& format);

} // namespace tz
