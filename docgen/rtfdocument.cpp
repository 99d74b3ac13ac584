// The document model as RTF.
#include "docgen/rtfoutput.h"

#include "docgen/docstyle.h"
#include "project/textlines.h"

#include <cmath>

namespace tz {
namespace {

int twips(qreal pt) {
    return int(std::lround(pt * 20));
}

QByteArray number(qreal pt) {
    return QByteArray::number(twips(pt));
}

// The style sheet's numbers: 0 body text, 1 to 3 the headings, 11 to 13 the contents.
int contentsStyle(int level) {
    return 10 + qBound(1, level, 3);
}

class RtfWriter {
public:
    RtfWriter(const Pagination& pages, OutputStream& out) : m_pages(pages), m_out(out) {}

    void write(const DocModel& model) {
        head(model);
        const QList<const Block*> headings = headingsOf(model);
        for (qsizetype s = 0; s < model.sheets.size(); ++s) {
            const Sheet& sheet = model.sheets.at(s);
            section(sheet.kind, s == 0);
            for (const Block& b : sheet.blocks)
                block(b, headings);
            if (endsWithSheetEnd(sheet.kind))
                gap(page::kSheetEndPt);
        }
        m_out.write("}\r\n");
    }

private:
    void head(const DocModel& model) {
        QByteArray& o = m_out.pending();
        o += "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\r\n"
             "{\\fonttbl{\\f0\\froman\\fcharset204 Times New Roman;}}\r\n"
             "{\\colortbl;\\red0\\green0\\blue0;}\r\n"
             "{\\stylesheet{\\s0\\snext0\\sl280\\slmult0\\f0\\fs24 Normal;}";
        for (int level = 1; level <= 3; ++level) {
            o += "{\\s" + QByteArray::number(level) + "\\sbasedon0\\snext0\\keepn\\outlinelevel" +
                 QByteArray::number(level - 1) + formatWords(formatOf(heading(level, {}))) +
                 " heading " + QByteArray::number(level) + ";}";
        }
        for (int level = 1; level <= 3; ++level) {
            o += "{\\s" + QByteArray::number(contentsStyle(level)) + "\\sbasedon0\\snext0" +
                 formatWords(contentsEntryFormat(level)) + " toc " + QByteArray::number(level) +
                 ";}";
        }
        o += "}\r\n{\\info{\\title ";
        appendRtfText(o, model.properties.title);
        o += "}{\\author ";
        appendRtfText(o, model.properties.author);
        o += "}{\\company ";
        appendRtfText(o, model.properties.author);
        o += "}}\r\n\\paperw11906\\paperh16838\\margl" + number(page::mm(page::kLeftMm)) +
             "\\margr" + number(page::mm(page::kRightMm)) + "\\margt" +
             number(page::mm(page::kTopMm)) + "\\margb" + number(page::mm(page::kBottomMm)) +
             "\\widowctrl\\uc1\r\n";
    }

    // The paragraph's control words after \pard\plain, and the character ones.
    static QByteArray formatWords(const ParaFormat& f) {
        QByteArray w;
        w += f.align == Align::Center ? "\\qc" : f.align == Align::Right ? "\\qr" : "\\ql";
        if (f.indent > 0)
            w += "\\li" + number(f.indent);
        if (f.rightIndent > 0)
            w += "\\ri" + number(f.rightIndent);
        w += "\\sb" + number(f.spaceBefore) + "\\sa" + number(f.spaceAfter);
        w += "\\sl-" + number(f.lineHeight) + "\\slmult0" +
             (f.widowControl ? "\\widctlpar" : "\\nowidctlpar");
        if (f.keepWithNext)
            w += "\\keepn";
        w += "\\f0\\fs" + QByteArray::number(f.sizePt * 2) + (f.bold ? "\\b" : "\\b0");
        return w + "\\kerning0";
    }

    // Each sheet a section: the first two without a number at the top, the title sheet's
    // numbering starting at 1; the others with the page number in their header.
    void section(SheetKind kind, bool first) {
        QByteArray& o = m_out.pending();
        if (!first && kind == SheetKind::Text) {
            m_pageBreak = true;
            return;
        }
        if (!first)
            o += "\\sect";
        o += "\\sectd\\sbkpage\\headery" + number(page::mm(page::kHeaderMm));
        if (kind == SheetKind::Title)
            o += "\\pgnrestart\\pgnstarts1";
        if (kind == SheetKind::Contents || kind == SheetKind::Text) {
            o += "{\\header\\pard\\plain\\qc\\sl-" + number(lineHeightOf(page::kNumberPt)) +
                 "\\slmult0\\f0\\fs" + QByteArray::number(page::kNumberPt * 2) +
                 " {\\field{\\*\\fldinst PAGE}{\\fldrslt 2}}\\par}";
        }
        o += "\r\n";
    }

    // The control words before the text are made once for the many paragraphs of a format.
    void paragraph(QStringView text, const ParaFormat& f, int style, bool unbreakable) {
        if (m_pageBreak || style != m_lastStyle || !(f == m_lastFormat) || m_lastStart.isEmpty()) {
            m_lastStart = "\\pard\\plain\\s" + QByteArray::number(style);
            if (m_pageBreak)
                m_lastStart += "\\pagebb";
            if (style >= 1 && style <= 3)
                m_lastStart += "\\outlinelevel" + QByteArray::number(style - 1);
            m_lastStart += formatWords(f) + ' ';
            m_lastStyle = style;
            m_lastFormat = f;
        }
        m_out.write(m_lastStart);
        if (m_pageBreak)
            m_lastStart.clear();
        m_pageBreak = false;
        if (unbreakable) {
            qsizetype from = 0;
            for (qsizetype at; (at = text.indexOf(u'-', from)) >= 0; from = at + 1) {
                appendRtfText(m_out, text.sliced(from, at - from));
                m_out.write("\\_");
            }
            appendRtfText(m_out, text.sliced(from));
        } else {
            appendRtfText(m_out, text);
        }
        m_out.write("\\par\r\n");
    }

    void block(const Block& b, const QList<const Block*>& headings) {
        switch (b.kind) {
        case BlockKind::Heading:
            paragraph(b.text, formatOf(b), qBound(1, b.level, 3), false);
            break;
        case BlockKind::Paragraph:
            paragraph(paragraphText(b, m_pages), formatOf(b), 0, b.unbreakable);
            break;
        case BlockKind::Lines: {
            const ParaFormat f = formatOf(b);
            const auto one = [&](QStringView line) { paragraph(line, f, 0, false); };
            forEachLine(b.text, one);
            break;
        }
        case BlockKind::Columns:
            columns(b);
            break;
        case BlockKind::Table:
            table(b);
            break;
        case BlockKind::Contents:
            contents(headings);
            break;
        case BlockKind::Gap:
            gap(b.spacePt);
            break;
        }
    }

    void gap(qreal height) {
        m_out.pending() +=
            "\\pard\\plain\\sl-" + number(height) + "\\slmult0\\widctlpar\\f0\\fs2\\par\r\n";
    }

    void columns(const Block& b) {
        const int half = twips(page::kTextWidth / 2);
        QByteArray& o = m_out.pending();
        o += "\\trowd\\trgaph0\\trleft0\\cellx" + QByteArray::number(half) + "\\cellx" +
             number(page::kTextWidth) + "\r\n";
        for (const QStringList* column : {&b.left, &b.right}) {
            const QByteArray words = formatWords(columnSideFormat(column == &b.right));
            if (column->isEmpty())
                o += "\\pard\\plain\\intbl";
            for (qsizetype i = 0; i < column->size(); ++i) {
                o += "\\pard\\plain\\intbl" + words + ' ';
                appendRtfText(o, column->at(i));
                if (i + 1 < column->size())
                    o += "\\par\r\n";
            }
            o += "\\cell\r\n";
        }
        o += "\\row\r\n";
    }

    // Ruled cells; the header row repeats on every page the table runs to.
    void table(const Block& b) {
        const QList<qreal> widths = tableColumnWidths(b);
        const QByteArray rule = "\\brdrs\\brdrw" + number(page::kRuleWidth);
        for (qsizetype r = 0; r < b.rows.size(); ++r) {
            QByteArray& o = m_out.pending();
            o += "\\trowd\\trgaph" + number(page::kCellPaddingX) + "\\trpaddt" +
                 number(page::kCellPaddingY) + "\\trpaddft3\\trpaddb" +
                 number(page::kCellPaddingY) + "\\trpaddfb3\\trleft0\\trkeep";
            if (r == 0)
                o += "\\trhdr";
            qreal right = 0;
            for (const qreal width : widths) {
                right += width;
                for (const char* side : {"t", "l", "b", "r"})
                    o += QByteArray("\\clbrdr") + side + rule;
                o += "\\cellx" + number(right);
            }
            o += "\r\n";
            const ParaFormat f = cellFormat(r == 0);
            for (qsizetype c = 0; c < widths.size(); ++c) {
                o += "\\pard\\plain\\intbl" + formatWords(f) + ' ';
                appendRtfText(o, b.rows.at(r).value(c));
                o += "\\cell\r\n";
            }
            o += "\\row\r\n";
            m_out.flushIfFull();
        }
    }

    // A contents field whose result already holds the entries and their page numbers.
    void contents(const QList<const Block*>& headings) {
        m_out.write(
            "{\\field\\fldedit{\\*\\fldinst TOC \\\\o \"1-3\" \\\\h \\\\z \\\\u}{\\fldrslt ");
        for (qsizetype i = 0; i < headings.size(); ++i) {
            const int level = headings.at(i)->level;
            const ParaFormat f = contentsEntryFormat(level);
            QByteArray& o = m_out.pending();
            o += "\\pard\\plain\\s" + QByteArray::number(contentsStyle(level)) +
                 "\\tqr\\tldot\\tx" + number(page::kTextWidth) + formatWords(f) + ' ';
            appendRtfText(o, headings.at(i)->text);
            o += "\\tab " + QByteArray::number(m_pages.headingPages.value(i)) + "\\par\r\n";
        }
        m_out.write("}}\r\n");
    }

    const Pagination& m_pages;
    OutputStream& m_out;
    bool m_pageBreak = false;
    QByteArray m_lastStart;
    int m_lastStyle = -1;
    ParaFormat m_lastFormat;
};

} // namespace

void writeRtf(const DocModel& model, const Pagination& pages, OutputStream& out) {
    RtfWriter(pages, out).write(model);
}

} // namespace tz
