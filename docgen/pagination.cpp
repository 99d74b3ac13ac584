#include "docgen/pagination.h"

#include "docgen/fontwidths.h"
#include "project/textlines.h"

#include <optional>

namespace tz {
namespace {

bool fits(qreal y, int lines, const ParaFormat& f) {
    return y + lines * f.lineHeight <= page::kTextHeight + 0.01;
}

// A paragraph's lines, the current one and up to three after it: enough to keep two lines of
// the paragraph on each side of a page break, as word processors' widow and orphan control
// does.
class ParagraphLines {
public:
    ParagraphLines(QStringView text, qreal width, const ParaFormat& f)
        : m_breaker(text, width, f), m_widowControl(f.widowControl) {
        while (m_count < kAhead && m_breaker.next(m_lines[m_count]))
            ++m_count;
    }

    bool atEnd() const { return m_count == 0; }
    bool isLast() const { return m_count == 1; }
    const BrokenLine& current() const { return m_lines[0]; }

    // The lines from the current one on that must stand on its page: the first line goes with
    // the second (a paragraph of three lines cannot be split two and two, so all of it), the
    // line before the last with the last.
    int kept() const {
        const int following = m_count - 1;
        if (!m_widowControl)
            return 1;
        if (m_index == 0)
            return following < 3 ? following + 1 : 2;
        return following == 1 ? 2 : 1;
    }

    void advance() {
        for (int i = 1; i < m_count; ++i)
            m_lines[i - 1] = m_lines[i];
        --m_count;
        ++m_index;
        if (m_breaker.next(m_lines[m_count]))
            ++m_count;
    }

private:
    static constexpr int kAhead = 4;
    LineBreaker m_breaker;
    bool m_widowControl;
    BrokenLine m_lines[kAhead];
    int m_count = 0;
    int m_index = 0;
};

// The lines of a paragraph that must stand at a page's foot with what is kept with it.
int leastLinesAtFoot(QStringView text, qreal width, const ParaFormat& f) {
    return ParagraphLines(text, width, f).kept();
}

QStringView firstLineOf(QStringView text) {
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n')
        ++end;
    return text.first(end);
}

// One column of a Columns block as it runs down the pages. A column without paragraphs is
// one empty paragraph, as in a table's cell.
class ColumnFlow {
public:
    ColumnFlow(const QStringList& paragraphs, qreal x)
        : m_paragraphs(paragraphs.isEmpty() ? QStringList{QString()} : paragraphs), m_x(x) {}

    bool done() const { return !m_lines && m_next >= m_paragraphs.size(); }

    // Places the lines the page holds below top, the first one at least on a fresh page;
    // returns the column's foot.
    qreal fill(qreal top, bool fresh, const ParaFormat& f, PageSink* sink) {
        qreal y = top;
        while (!done()) {
            if (!m_lines)
                m_lines.emplace(m_paragraphs.at(m_next++), page::kColumnWidth, f);
            if (!fresh && !fits(y, m_lines->kept(), f))
                break;
            if (sink)
                sink->line({m_lines->current().text, m_x, y, m_lines->current().width, &f, 0});
            y += f.lineHeight;
            fresh = false;
            m_lines->advance();
            if (m_lines->atEnd())
                m_lines.reset();
        }
        return y;
    }

private:
    const QStringList m_paragraphs;
    const qreal m_x;
    qsizetype m_next = 0;
    std::optional<ParagraphLines> m_lines;
};

class Pager {
public:
    Pager(const Pagination& known, PageSink* sink) : m_known(known), m_sink(sink) {}

    Pagination run(const DocModel& model) {
        m_contents = headingsOf(model);
        for (const Sheet& sheet : model.sheets) {
            m_kind = sheet.kind;
            newPage(false);
            for (qsizetype i = 0; i < sheet.blocks.size(); ++i)
                place(sheet.blocks, i);
            if (endsWithSheetEnd(sheet.kind))
                placeGap(page::kSheetEndPt);
        }
        m_result.sheets = m_counted;
        return m_result;
    }

private:
    // A natural page break is one the text ran into; a sheet begins with a hard one.
    void newPage(bool natural) {
        ++m_result.pages;
        if (m_kind != SheetKind::Approval)
            ++m_counted;
        const bool shown = m_kind != SheetKind::Approval && m_kind != SheetKind::Title;
        m_shown = shown ? m_counted : 0;
        m_y = 0;
        m_fresh = true;
        m_continued = natural;
        if (m_sink)
            m_sink->beginPage(m_shown);
    }

    qreal room() const { return page::kTextHeight - m_y; }

    // What must stand on one page with the start of the block: the block itself when it is
    // kept with the next one (and so on), then the lines of the one after that may not be
    // parted from its start.
    qreal keptHeight(const QList<Block>& blocks, qsizetype i) {
        qreal height = 0;
        for (; i < blocks.size(); ++i) {
            const Block& b = blocks.at(i);
            if (b.kind == BlockKind::Heading || b.kind == BlockKind::Paragraph) {
                const ParaFormat f = formatOf(b);
                const QString text = paragraphText(b, m_known);
                if (!f.keepWithNext)
                    return height + f.spaceBefore +
                           leastLinesAtFoot(text, width(f), f) * f.lineHeight;
                height += f.spaceBefore + paragraphHeight(text, f) + f.spaceAfter;
            } else if (b.kind == BlockKind::Lines) {
                const ParaFormat f = formatOf(b);
                return height + f.spaceBefore +
                       leastLinesAtFoot(firstLineOf(b.text), width(f), f) * f.lineHeight;
            } else if (b.kind == BlockKind::Table && !b.rows.isEmpty()) {
                // A table's header and its first row, with the rule under them.
                const QList<qreal> widths = tableColumnWidths(b);
                height += rowHeight(b.rows.constFirst(), widths, true) + page::kRuleWidth;
                return height + (b.rows.size() > 1 ? rowHeight(b.rows.at(1), widths, false) : 0);
            } else {
                return height;
            }
        }
        return height;
    }

    static qreal width(const ParaFormat& f) { return page::kTextWidth - f.indent; }

    qreal paragraphHeight(QStringView text, const ParaFormat& f) const {
        int count = 0;
        breakLines(text, width(f), f, [&](QStringView, qreal) { ++count; });
        return count * f.lineHeight;
    }

    void place(const QList<Block>& blocks, qsizetype i) {
        const Block& b = blocks.at(i);
        switch (b.kind) {
        case BlockKind::Heading:
        case BlockKind::Paragraph: {
            const ParaFormat f = formatOf(b);
            if (f.keepWithNext && !m_fresh) {
                const qreal kept = keptHeight(blocks, i);
                if (kept <= page::kTextHeight && kept > room())
                    newPage(true);
            }
            if (b.kind == BlockKind::Heading && m_kind == SheetKind::Text)
                m_result.headingPages.append(m_shown);
            placeParagraph(b.kind == BlockKind::Heading ? b.text : paragraphText(b, m_known), f, 0);
            break;
        }
        case BlockKind::Lines: {
            const ParaFormat f = formatOf(b);
            forEachLine(b.text, [&](QStringView line) { placeParagraph(line, f, 0); });
            break;
        }
        case BlockKind::Columns:
            placeColumns(b);
            break;
        case BlockKind::Table:
            placeTable(b);
            break;
        case BlockKind::Contents:
            for (qsizetype h = 0; h < m_contents.size(); ++h) {
                const ParaFormat f = contentsEntryFormat(m_contents.at(h)->level);
                placeParagraph(m_contents.at(h)->text, f, m_known.headingPages.value(h, 0),
                               page::kNumberColumn);
            }
            break;
        case BlockKind::Gap:
            placeGap(b.spacePt);
            break;
        }
    }

    // An empty paragraph of the gap's height in every format: where it does not fit, it
    // stands at the top of the next page.
    void placeGap(qreal height) {
        if (height > room() + 0.01 && !m_fresh)
            newPage(true);
        m_y += height;
        m_fresh = false;
    }

    // A space before at the top of a page that the text ran onto is left out, as word
    // processors do; a sheet's first paragraph keeps it.
    void placeParagraph(QStringView text, const ParaFormat& f, int number, qreal reserved = 0) {
        if (!(m_fresh && m_continued))
            m_y += f.spaceBefore;
        const qreal lineWidth = width(f) - reserved;
        for (ParagraphLines lines(text, lineWidth, f); !lines.atEnd(); lines.advance()) {
            if (!m_fresh && !fits(m_y, lines.kept(), f))
                newPage(true);
            const BrokenLine& line = lines.current();
            if (m_sink) {
                qreal x = f.indent;
                if (f.align == Align::Center)
                    x += (lineWidth - line.width) / 2;
                else if (f.align == Align::Right)
                    x += lineWidth - line.width;
                m_sink->line({line.text, x, m_y, line.width, &f, lines.isLast() ? number : 0});
            }
            m_y += f.lineHeight;
            m_fresh = false;
        }
        m_y += f.spaceAfter;
    }

    // Both columns fill the page and run on to the next page where it is full, as a table's
    // row does.
    void placeColumns(const Block& b) {
        ColumnFlow left(b.left, 0);
        ColumnFlow right(b.right, page::kColumnWidth + page::kColumnGap);
        for (;;) {
            const qreal top = m_y;
            const bool fresh = m_fresh;
            const qreal leftFoot = left.fill(top, fresh, m_leftFormat, m_sink);
            m_y = qMax(leftFoot, right.fill(top, fresh, m_rightFormat, m_sink));
            if (m_y > top)
                m_fresh = false;
            if (left.done() && right.done())
                break;
            newPage(true);
        }
    }

    // The rule above a row and the lines of each cell, each cell's text set inside its
    // padding: word processors give a row's rules their width in its height.
    static qreal rowHeight(const QStringList& row, const QList<qreal>& widths, bool header) {
        const ParaFormat f = cellFormat(header);
        int most = 1;
        for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c) {
            int n = 0;
            breakLines(row.at(c), widths.at(c) - 2 * page::kCellPaddingX, f,
                       [&](QStringView, qreal) { ++n; });
            most = qMax(most, n);
        }
        return page::kRuleWidth + most * f.lineHeight + 2 * page::kCellPaddingY;
    }

    // Rows run on to the next page whole, the header first again; the rule under the last
    // row of a page closes it.
    void placeTable(const Block& b) {
        const QList<qreal> widths = tableColumnWidths(b);
        for (qsizetype r = 0; r < b.rows.size(); ++r) {
            const bool header = r == 0;
            if (rowHeight(b.rows.at(r), widths, header) + page::kRuleWidth > room() && !m_fresh) {
                newPage(true);
                if (!header)
                    placeRow(b.rows.constFirst(), widths, true);
            }
            placeRow(b.rows.at(r), widths, header);
        }
        m_y += page::kRuleWidth;
    }

    void placeRow(const QStringList& row, const QList<qreal>& widths, bool header) {
        const ParaFormat& f = header ? m_headerFormat : m_cellFormat;
        const qreal height = rowHeight(row, widths, header);
        // The rules' middles: of the row's rule and of the one under it.
        const qreal top = m_y + page::kRuleWidth / 2;
        const qreal bottom = top + height;
        qreal x = 0;
        for (qsizetype c = 0; c < widths.size(); ++c) {
            qreal y = m_y + page::kRuleWidth + page::kCellPaddingY;
            breakLines(row.value(c), widths.at(c) - 2 * page::kCellPaddingX, f,
                       [&](QStringView line, qreal width) {
                           if (m_sink)
                               m_sink->line({line, x + page::kCellPaddingX, y, width, &f, 0});
                           y += f.lineHeight;
                       });
            if (m_sink)
                m_sink->rule(x, top, x, bottom);
            x += widths.at(c);
        }
        if (m_sink) {
            m_sink->rule(x, top, x, bottom);
            m_sink->rule(0, top, x, top);
            m_sink->rule(0, bottom, x, bottom);
        }
        m_y += height;
        m_fresh = false;
    }

    const ParaFormat m_leftFormat = columnSideFormat(false);
    const ParaFormat m_rightFormat = columnSideFormat(true);
    const ParaFormat m_headerFormat = cellFormat(true);
    const ParaFormat m_cellFormat = cellFormat(false);
    const Pagination& m_known;
    PageSink* m_sink;
    Pagination m_result;
    QList<const Block*> m_contents;
    SheetKind m_kind = SheetKind::Text;
    int m_counted = 0;
    int m_shown = 0;
    qreal m_y = 0;
    bool m_fresh = true;      // nothing placed on the page yet
    bool m_continued = false; // the page began at a natural break
};

} // namespace

QList<const Block*> headingsOf(const DocModel& model) {
    QList<const Block*> headings;
    for (const Sheet& sheet : model.sheets) {
        if (sheet.kind != SheetKind::Text)
            continue;
        for (const Block& block : sheet.blocks) {
            if (block.kind == BlockKind::Heading)
                headings.append(&block);
        }
    }
    return headings;
}

QString paragraphText(const Block& block, const Pagination& pages) {
    switch (block.field) {
    case Field::None:
        break;
    case Field::SheetCount:
        return block.text + QString::number(pages.sheets);
    }
    return block.text;
}

void PageSink::rule(qreal, qreal, qreal, qreal) {}

Pagination paginate(const DocModel& model, const Pagination& known, PageSink* sink) {
    return Pager(known, sink).run(model);
}

} // namespace tz
