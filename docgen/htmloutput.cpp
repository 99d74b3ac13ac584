#include "docgen/htmloutput.h"

#include "docgen/docstyle.h"
#include "project/addresses.h"
#include "project/codec1251.h"
#include "project/textlines.h"

#include <QBuffer>

#include <algorithm>

namespace tz {

namespace {

bool needsEscape(QStringView text) {
    for (const QChar c : text) {
        const char16_t ch = c.unicode();
        if (ch == u'&' || ch == u'<' || ch == u'>' || ch == u'"' || !has1251Byte(ch))
            return true;
    }
    return false;
}

} // namespace

QString escapeHtmlText(const QString& text) {
    if (!needsEscape(text))
        return text;
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

void HtmlStream::append(QStringView text) {
    const auto part = [this](QStringView line) {
        m_out.write1251(line);
        m_out.write("\r\n");
    };
    forEachLine(text, part);
}

QByteArray htmlBytes(const DocBuffer& doc) {
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    OutputStream out(device);
    HtmlStream html(out);
    for (const DocLine& line : doc.lines())
        html.append(line.text);
    out.finish();
    return bytes;
}

} // namespace tz

namespace tz {
namespace {

const char* const kStyle =
    "<style>\r\n"
    "@page { size: A4; margin: 20mm 10mm 20mm 25mm; }\r\n"
    "body { font-family: \"Times New Roman\", \"Liberation Serif\", serif; font-size: 12pt;"
    " line-height: 14pt; max-width: 175mm; margin: 1em auto; color: #000; }\r\n"
    "section { break-after: page; page-break-after: always; }\r\n"
    "section:last-child { break-after: auto; page-break-after: auto; }\r\n"
    "@media screen { section + section { border-top: 1px solid #999; margin-top: 2em;"
    " padding-top: 1em; } }\r\n"
    "h1, h2, h3 { break-after: avoid; page-break-after: avoid; margin: 12pt 0 6pt; }\r\n"
    "h1 { font-size: 16pt; line-height: 18.5pt; margin-top: 18pt; }\r\n"
    "h2 { font-size: 14pt; line-height: 16pt; }\r\n"
    "h3 { font-size: 12pt; line-height: 14pt; }\r\n"
    "p { margin: 0; }\r\n"
    "p.keep { break-after: avoid; page-break-after: avoid; }\r\n"
    "p.c { text-align: center; } p.r { text-align: right; } p.b { font-weight: bold; }\r\n"
    "p.big { font-size: 14pt; line-height: 16pt; }\r\n"
    "p.l1 { margin-left: 7.5mm; } p.l2 { margin-left: 15mm; } p.l3 { margin-left: 22.5mm; }\r\n"
    "p.l4 { margin-left: 30mm; } p.l5 { margin-left: 37.5mm; }\r\n"
    "table.columns { width: 100%; border-collapse: collapse; }\r\n"
    "table.columns td { width: 50%; vertical-align: top; padding: 0; }\r\n"
    "table.columns td + td { padding-left: 10mm; }\r\n"
    "table.grid { width: 100%; border-collapse: collapse; break-inside: auto; }\r\n"
    "table.grid th, table.grid td { border: 0.5pt solid #000; padding: 2pt 4pt;"
    " vertical-align: top; text-align: left; }\r\n"
    "table.grid thead { display: table-header-group; }\r\n"
    "table.grid tr { break-inside: avoid; page-break-inside: avoid; }\r\n"
    "nav p a { color: inherit; text-decoration: none; }\r\n"
    "</style>\r\n";

// HTML5 text holds no C0 control character but tab, CR and LF; DOCX and ODT leave them out
// as well.
bool isDroppedControl(QChar c) {
    const char16_t ch = c.unicode();
    return ch < 0x20 && ch != u'\t' && ch != u'\n' && ch != u'\r';
}

QString withoutControls(QStringView text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isDroppedControl(c))
            kept += c;
    }
    return kept;
}

class HtmlWriter {
public:
    HtmlWriter(const Pagination& pages, OutputStream& out) : m_pages(pages), m_out(out) {}

    void text(QStringView text) {
        if (std::any_of(text.begin(), text.end(), isDroppedControl))
            escaped(withoutControls(text));
        else
            escaped(text);
    }
    void raw(const char* bytes) { m_out.write(bytes); }
    void line(const char* bytes) {
        m_out.write(bytes);
        m_out.write("\r\n");
    }

    void paragraph(QStringView body, const Block& b, bool keep) {
        raw(openingTag(b, keep).constData());
        if (body.isEmpty())
            raw("<br>");
        else
            text(body);
        line("</p>");
    }

    static QByteArray openingTag(const Block& b, bool keep) {
        QByteArray classes;
        const auto add = [&classes](const char* name) {
            if (!classes.isEmpty())
                classes += ' ';
            classes += name;
        };
        if (b.align == Align::Center)
            add("c");
        else if (b.align == Align::Right)
            add("r");
        if (b.bold)
            add("b");
        if (b.sizePt > 12)
            add("big");
        if (keep)
            add("keep");
        if (b.level > 0)
            add(QByteArray("l" + QByteArray::number(qMin(b.level, 5))).constData());
        return classes.isEmpty() ? QByteArray("<p>") : "<p class=\"" + classes + "\">";
    }

    // The header in thead, so that a printed table repeats it on each page.
    void table(const Block& b) {
        if (b.rows.isEmpty())
            return;
        const QList<qreal> widths = tableColumnWidths(b);
        line("<table class=\"grid\">");
        raw("<colgroup>");
        for (const qreal width : widths)
            raw(QByteArray("<col style=\"width: " +
                           QByteArray::number(qRound(width / page::kTextWidth * 100)) + "%\">")
                    .constData());
        line("</colgroup>");
        for (qsizetype r = 0; r < b.rows.size(); ++r) {
            const char* cell = r == 0 ? "th" : "td";
            raw(r == 0 ? "<thead><tr>" : "<tr>");
            for (const QString& text : b.rows.at(r)) {
                raw(QByteArray(QByteArray("<") + cell + ">").constData());
                this->text(text);
                raw(QByteArray(QByteArray("</") + cell + ">").constData());
            }
            line(r == 0 ? "</tr></thead><tbody>" : "</tr>");
        }
        line("</tbody></table>");
    }

    void block(const Block& b, const QList<const Block*>& headings) {
        switch (b.kind) {
        case BlockKind::Heading: {
            const QByteArray tag = "h" + QByteArray::number(qBound(1, b.level, 3));
            raw(QByteArray("<" + tag + " id=\"h" + QByteArray::number(++m_heading) + "\">")
                    .constData());
            text(b.text);
            line(QByteArray("</" + tag + ">").constData());
            break;
        }
        case BlockKind::Paragraph:
            paragraph(paragraphText(b, m_pages), b, b.keepWithNext);
            break;
        case BlockKind::Lines: {
            const QByteArray open = openingTag(b, false);
            const auto one = [&](QStringView l) {
                raw(open.constData());
                if (l.isEmpty())
                    raw("<br>");
                else
                    text(l);
                line("</p>");
            };
            forEachLine(b.text, one);
            break;
        }
        case BlockKind::Columns:
            line("<table class=\"columns\"><tr>");
            for (const QStringList* column : {&b.left, &b.right}) {
                raw("<td>");
                for (const QString& p : *column) {
                    raw("<p>");
                    text(p);
                    raw("</p>");
                }
                line("</td>");
            }
            line("</tr></table>");
            break;
        case BlockKind::Contents:
            line("<nav>");
            for (qsizetype i = 0; i < headings.size(); ++i) {
                const QByteArray indent = QByteArray::number(headings.at(i)->level - 1);
                raw(QByteArray("<p class=\"l" + indent + "\"><a href=\"#h" +
                               QByteArray::number(i + 1) + "\">")
                        .constData());
                text(headings.at(i)->text);
                line("</a></p>");
            }
            line("</nav>");
            break;
        case BlockKind::Gap:
            line(QByteArray("<div style=\"height: " + QByteArray::number(b.spacePt) + "pt\"></div>")
                     .constData());
            break;
        case BlockKind::Table:
            table(b);
            break;
        }
    }

private:
    void escaped(QStringView text) {
        if (needsEscape(text))
            m_out.write1251(escapeHtmlText(text.toString()));
        else
            m_out.write1251(text);
    }

    const Pagination& m_pages;
    OutputStream& m_out;
    int m_heading = 0;
};

} // namespace

void writeHtml(const DocModel& model, const Pagination& pages, OutputStream& out) {
    HtmlWriter w(pages, out);
    w.line("<!DOCTYPE html>");
    w.line("<html lang=\"ru\">");
    w.line("<head>");
    w.line("<meta charset=\"windows-1251\">");
    w.raw("<meta name=\"TZ\" content=\"");
    w.text(model.properties.identifier);
    w.line("\">");
    w.raw("<meta name=\"generator\" content=\"");
    w.text(addresses::publisherSite());
    w.line("\">");
    w.raw("<title>");
    w.text(model.properties.title);
    w.line("</title>");
    w.raw(kStyle);
    w.line("</head>");
    w.line("<body>");
    const QList<const Block*> headings = headingsOf(model);
    for (const Sheet& sheet : model.sheets) {
        w.line("<section>");
        for (const Block& b : sheet.blocks)
            w.block(b, headings);
        w.line("</section>");
    }
    w.line("</body>");
    w.line("</html>");
}

} // namespace tz
