#include "docgen/linebreaker.h"

namespace tz {
namespace {

bool isWordCharacter(QChar ch) {
    return ch.isLetterOrNumber();
}

} // namespace

LineBreaker::LineBreaker(QStringView text, qreal width, const ParaFormat& format)
    : m_text(text), m_width(width), m_unbreakable(format.unbreakable),
      m_widthOf(format.bold, format.sizePt) {}

BrokenLine LineBreaker::take(qsizetype end, qreal width) {
    const BrokenLine line{m_text.sliced(m_lineStart, end - m_lineStart), width};
    m_contentWidth = 0;
    m_pending = 0;
    return line;
}

void LineBreaker::scanSegment() {
    const qsizetype n = m_text.size();
    qsizetype end = m_at;
    qreal width = 0;
    while (end < n && m_text.at(end) != u' ') {
        width += widthAt(end);
        ++end;
        if (!m_unbreakable && m_text.at(end - 1) == u'-' && end - 1 > m_at && end < n &&
            isWordCharacter(m_text.at(end - 2)) && isWordCharacter(m_text.at(end)))
            break;
    }
    m_segmentEnd = end;
    m_segmentWidth = width;
    m_inSegment = true;
}

bool LineBreaker::next(BrokenLine& line) {
    while (!m_done) {
        if (!m_inSegment) {
            if (m_at >= m_text.size()) {
                m_done = true;
                line = take(m_contentEnd, m_contentWidth);
                return true;
            }
            scanSegment();
            if (m_contentEnd > m_lineStart &&
                m_contentWidth + m_pending + m_segmentWidth > m_width) {
                line = take(m_contentEnd, m_contentWidth);
                m_lineStart = m_at;
                return true;
            }
        }
        // A word wider than the whole line is cut where the line is full.
        if (m_contentEnd <= m_lineStart && m_segmentWidth > m_width && m_segmentEnd - m_at > 1) {
            qsizetype cut = m_at;
            qreal used = 0;
            while (cut < m_segmentEnd - 1 && used + widthAt(cut) <= m_width)
                used += widthAt(cut++);
            if (cut == m_at)
                used += widthAt(cut++);
            line = take(cut, used);
            m_lineStart = m_at = cut;
            m_segmentWidth -= used;
            return true;
        }
        m_contentWidth += m_pending + m_segmentWidth;
        m_contentEnd = m_segmentEnd;
        m_pending = 0;
        m_at = m_segmentEnd;
        while (m_at < m_text.size() && m_text.at(m_at) == u' ')
            m_pending += widthAt(m_at++);
        m_inSegment = false;
    }
    return false;
}

void breakLines(QStringView text, qreal width, const ParaFormat& format,
                const std::function<void(QStringView line, qreal width)>& line) {
    LineBreaker breaker(text, width, format);
    for (BrokenLine broken; breaker.next(broken);)
        line(broken.text, broken.width);
}

qreal textWidth(QStringView text, const ParaFormat& format) {
    const CharacterWidths widthOf(format.bold, format.sizePt);
    qreal width = 0;
    for (const QChar ch : text)
        width += widthOf(ch.unicode());
    return width;
}

} // namespace tz
