#include "docgen/docxwriter.h"

#include "docgen/docstyle.h"
#include "docgen/modelwalk.h"
#include "docgen/zippackage.h"

#include <cmath>

namespace tz {
namespace {

const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString R =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

QString twips(qreal pt) {
    return QString::number(std::lround(pt * 20));
}

QString halfPoints(int pt) {
    return QString::number(pt * 2);
}

// What a paragraph's properties may hold besides its format.
struct Extra {
    QByteArray style = {};
    bool pageBreak = false;
    int outlineLevel = -1;
};

class DocxWriter : private ModelVisitor {
public:
    DocxWriter(const DocModel& model, const Pagination& pages, QIODevice& device)
        : m_model(model), m_pages(pages), m_zip(device) {}

    bool write() {
        m_zip.add(QStringLiteral("[Content_Types].xml"), contentTypes());
        m_zip.add(QStringLiteral("_rels/.rels"), packageRelations());
        m_zip.add(QStringLiteral("word/_rels/document.xml.rels"), documentRelations());
        m_zip.add(QStringLiteral("docProps/core.xml"), coreProperties());
        m_zip.add(QStringLiteral("docProps/app.xml"), appProperties());
        styles();
        header();
        document();
        return m_zip.finish();
    }

private:
    static QByteArray contentTypes() {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
               "<Default Extension=\"rels\" "
               "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
               "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
               "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
               "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
               "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
               "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
               "<Override PartName=\"/word/header1.xml\" ContentType=\"application/"
               "vnd.openxmlformats-officedocument.wordprocessingml.header+xml\"/>"
               "<Override PartName=\"/docProps/core.xml\" ContentType=\"application/"
               "vnd.openxmlformats-package.core-properties+xml\"/>"
               "<Override PartName=\"/docProps/app.xml\" ContentType=\"application/"
               "vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
               "</Types>";
    }

    static QByteArray packageRelations() {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<Relationships "
               "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
               "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/"
               "officeDocument/2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
               "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/"
               "relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
               "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/"
               "officeDocument/2006/relationships/extended-properties\" "
               "Target=\"docProps/app.xml\"/>"
               "</Relationships>";
    }

    static QByteArray documentRelations() {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<Relationships "
               "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
               "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/"
               "officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
               "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/"
               "officeDocument/2006/relationships/header\" Target=\"header1.xml\"/>"
               "</Relationships>";
    }

    QByteArray coreProperties() const {
        QByteArray out;
        QXmlStreamWriter x(&out);
        x.writeStartDocument();
        x.writeNamespace(QStringLiteral("http://purl.org/dc/elements/1.1/"), QStringLiteral("dc"));
        x.writeStartElement(QStringLiteral("http://schemas.openxmlformats.org/package/2006/"
                                           "metadata/core-properties"),
                            QStringLiteral("coreProperties"));
        x.writeTextElement(QStringLiteral("http://purl.org/dc/elements/1.1/"),
                           QStringLiteral("title"), xmlSafe(m_model.properties.title));
        x.writeTextElement(QStringLiteral("http://purl.org/dc/elements/1.1/"),
                           QStringLiteral("creator"), xmlSafe(m_model.properties.author));
        x.writeEndDocument();
        return out;
    }

    QByteArray appProperties() const {
        QByteArray out;
        QXmlStreamWriter x(&out);
        x.writeStartDocument();
        x.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/"
                                               "officeDocument/2006/extended-properties"));
        x.writeStartElement(QStringLiteral("Properties"));
        x.writeTextElement(QStringLiteral("Application"), QStringLiteral("tzwizard"));
        x.writeTextElement(QStringLiteral("Company"), xmlSafe(m_model.properties.author));
        x.writeEndDocument();
        return out;
    }

    // Word's attribute form: w:val="…".
    void value(QXmlStreamWriter& x, const char* element, const QString& v) {
        x.writeStartElement(W, QLatin1String(element));
        x.writeAttribute(W, QStringLiteral("val"), v);
        x.writeEndElement();
    }

    void empty(QXmlStreamWriter& x, const char* element) {
        x.writeEmptyElement(W, QLatin1String(element));
    }

    // Paragraph and run properties made by hand, in the order Word's schema gives them: a
    // large text has hundreds of thousands of paragraphs alike.
    static QByteArray runProperties(const ParaFormat& f) {
        const QByteArray size = QByteArray::number(f.sizePt * 2);
        return QByteArray(f.bold ? "<w:b/>" : "") + "<w:sz w:val=\"" + size +
               "\"/><w:szCs w:val=\"" + size + "\"/>";
    }

    static QByteArray paragraphProperties(const ParaFormat& f, const Extra& extra = {},
                                          bool withRun = true) {
        QByteArray o = "<w:pPr>";
        if (!extra.style.isEmpty())
            o += "<w:pStyle w:val=\"" + extra.style + "\"/>";
        if (f.keepWithNext)
            o += "<w:keepNext/>";
        if (extra.pageBreak)
            o += "<w:pageBreakBefore/>";
        o += f.widowControl ? "<w:widowControl/>" : "<w:widowControl w:val=\"0\"/>";
        // Word measures tab stops from the margin, whatever the paragraph's indent.
        if (f.tabRight)
            o += "<w:tabs><w:tab w:val=\"right\" w:leader=\"dot\" w:pos=\"" +
                 twips(page::kTextWidth).toLatin1() + "\"/></w:tabs>";
        o += "<w:spacing w:before=\"" + twips(f.spaceBefore).toLatin1() + "\" w:after=\"" +
             twips(f.spaceAfter).toLatin1() + "\" w:line=\"" + twips(f.lineHeight).toLatin1() +
             "\" w:lineRule=\"exact\"/>";
        if (f.indent > 0 || f.rightIndent > 0) {
            o += "<w:ind";
            if (f.indent > 0)
                o += " w:left=\"" + twips(f.indent).toLatin1() + '"';
            if (f.rightIndent > 0)
                o += " w:right=\"" + twips(f.rightIndent).toLatin1() + '"';
            o += "/>";
        }
        if (f.align != Align::Left)
            o += f.align == Align::Center ? "<w:jc w:val=\"center\"/>" : "<w:jc w:val=\"right\"/>";
        if (extra.outlineLevel >= 0)
            o += "<w:outlineLvl w:val=\"" + QByteArray::number(extra.outlineLevel) + "\"/>";
        if (withRun)
            o += "<w:rPr>" + runProperties(f) + "</w:rPr>";
        return o + "</w:pPr>";
    }

    // A run of text; tabs and, where asked, hyphens that never break become their elements.
    static void appendRun(QByteArray& o, QStringView text, const ParaFormat* f,
                          bool unbreakable = false) {
        o += "<w:r>";
        if (f)
            o += "<w:rPr>" + runProperties(*f) + "</w:rPr>";
        forEachRun(text, unbreakable, false, [&o](RunKind kind, QStringView piece) {
            if (kind == RunKind::Tab) {
                o += "<w:tab/>";
            } else if (kind == RunKind::Hyphen) {
                o += "<w:noBreakHyphen/>";
            } else {
                o += "<w:t xml:space=\"preserve\">";
                appendXmlText(o, piece);
                o += "</w:t>";
            }
        });
        o += "</w:r>";
    }

    void styles() {
        QXmlStreamWriter& x = m_zip.beginXml(QStringLiteral("word/styles.xml"));
        x.writeNamespace(W, QStringLiteral("w"));
        x.writeStartElement(W, QStringLiteral("styles"));
        x.writeStartElement(W, QStringLiteral("docDefaults"));
        x.writeStartElement(W, QStringLiteral("rPrDefault"));
        x.writeStartElement(W, QStringLiteral("rPr"));
        x.writeStartElement(W, QStringLiteral("rFonts"));
        for (const char* a : {"ascii", "hAnsi", "cs", "eastAsia"})
            x.writeAttribute(W, QLatin1String(a), QStringLiteral("Times New Roman"));
        x.writeEndElement();
        value(x, "sz", halfPoints(12));
        value(x, "szCs", halfPoints(12));
        value(x, "lang", QStringLiteral("ru-RU"));
        x.writeEndElement();
        x.writeEndElement();
        x.writeStartElement(W, QStringLiteral("pPrDefault"));
        m_zip.writeRawXml(paragraphProperties(columnFormat(), {}, false));
        x.writeEndElement();
        x.writeEndElement();

        style(x, QStringLiteral("Normal"), QStringLiteral("Normal"), columnFormat(), -1, true);
        for (int level = 1; level <= 3; ++level) {
            const ParaFormat f = formatOf(tz::heading(level, {}));
            style(x, QStringLiteral("Heading%1").arg(level),
                  QStringLiteral("heading %1").arg(level), f, level - 1);
        }
        for (int level = 1; level <= 3; ++level) {
            style(x, QStringLiteral("TOC%1").arg(level), QStringLiteral("toc %1").arg(level),
                  contentsEntryFormat(level), -1);
        }
        x.writeEndElement();
        m_zip.endXml();
    }

    void style(QXmlStreamWriter& x, const QString& id, const QString& name, const ParaFormat& f,
               int outlineLevel, bool isDefault = false) {
        x.writeStartElement(W, QStringLiteral("style"));
        x.writeAttribute(W, QStringLiteral("type"), QStringLiteral("paragraph"));
        if (isDefault)
            x.writeAttribute(W, QStringLiteral("default"), QStringLiteral("1"));
        x.writeAttribute(W, QStringLiteral("styleId"), id);
        value(x, "name", name);
        if (!isDefault) {
            value(x, "basedOn", QStringLiteral("Normal"));
            value(x, "next", QStringLiteral("Normal"));
            value(x, "uiPriority", QString::number(outlineLevel >= 0 ? 9 : 39));
            empty(x, "qFormat");
        }
        m_zip.writeRawXml(paragraphProperties(f, {{}, false, outlineLevel}, false) + "<w:rPr>" +
                          runProperties(f) + "</w:rPr>");
        x.writeEndElement();
    }

    void header() {
        QXmlStreamWriter& x = m_zip.beginXml(QStringLiteral("word/header1.xml"));
        x.writeNamespace(W, QStringLiteral("w"));
        x.writeStartElement(W, QStringLiteral("hdr"));
        x.writeStartElement(W, QStringLiteral("p"));
        x.writeStartElement(W, QStringLiteral("pPr"));
        value(x, "jc", QStringLiteral("center"));
        x.writeEndElement();
        x.writeStartElement(W, QStringLiteral("fldSimple"));
        x.writeAttribute(W, QStringLiteral("instr"), QStringLiteral(" PAGE "));
        QByteArray number;
        appendRun(number, u"2", nullptr);
        m_zip.writeRawXml(number);
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
        m_zip.endXml();
    }

    // The markup before the text is made once for the many paragraphs of one format.
    void paragraph(QStringView text, const ParaFormat& f, bool unbreakable) override {
        if (m_pageBreak || !(f == m_lastFormat) || m_lastStart.isEmpty()) {
            m_lastStart = "<w:p>" + paragraphProperties(f, {{}, m_pageBreak});
            m_lastRun = "<w:r><w:rPr>" + runProperties(f) + "</w:rPr>";
            m_lastFormat = f;
        }
        QByteArray& o = m_paragraph;
        o = m_lastStart;
        if (m_pageBreak)
            m_lastStart.clear();
        m_pageBreak = false;
        if (!text.isEmpty() && !unbreakable && !text.contains(u'\t')) {
            o += m_lastRun;
            o += "<w:t xml:space=\"preserve\">";
            // A piece at a time, a surrogate pair never cut, so that a paragraph of any length
            // takes little more memory than its text.
            constexpr qsizetype kPiece = 1 << 16;
            for (qsizetype from = 0; from < text.size();) {
                qsizetype end = qMin(from + kPiece, text.size());
                if (end < text.size() && text.at(end - 1).isHighSurrogate())
                    --end;
                appendXmlText(o, text.sliced(from, end - from));
                from = end;
                if (o.size() >= kPiece) {
                    m_zip.writeRawXml(o);
                    o.truncate(0);
                }
            }
            o += "</w:t></w:r>";
        } else if (!text.isEmpty()) {
            appendRun(o, text, &f, unbreakable);
        }
        o += "</w:p>";
        m_zip.writeRawXml(o);
    }

    void document() {
        QXmlStreamWriter& x = m_zip.beginXml(QStringLiteral("word/document.xml"));
        x.writeNamespace(W, QStringLiteral("w"));
        x.writeNamespace(R, QStringLiteral("r"));
        x.writeStartElement(W, QStringLiteral("document"));
        x.writeStartElement(W, QStringLiteral("body"));
        m_x = &x;
        walkModel(m_model, m_pages, *this);
        sectionProperties(x, SheetKind::Text);
        x.writeEndElement();
        x.writeEndElement();
        m_zip.endXml();
    }

    void sectionProperties(QXmlStreamWriter& x, SheetKind kind) {
        x.writeStartElement(W, QStringLiteral("sectPr"));
        if (kind != SheetKind::Approval && kind != SheetKind::Title) {
            x.writeStartElement(W, QStringLiteral("headerReference"));
            x.writeAttribute(W, QStringLiteral("type"), QStringLiteral("default"));
            x.writeAttribute(R, QStringLiteral("id"), QStringLiteral("rId2"));
            x.writeEndElement();
        }
        x.writeStartElement(W, QStringLiteral("pgSz"));
        x.writeAttribute(W, QStringLiteral("w"), twips(page::mm(page::kWidthMm)));
        x.writeAttribute(W, QStringLiteral("h"), twips(page::mm(page::kHeightMm)));
        x.writeEndElement();
        x.writeStartElement(W, QStringLiteral("pgMar"));
        x.writeAttribute(W, QStringLiteral("top"), twips(page::mm(page::kTopMm)));
        x.writeAttribute(W, QStringLiteral("right"), twips(page::mm(page::kRightMm)));
        x.writeAttribute(W, QStringLiteral("bottom"), twips(page::mm(page::kBottomMm)));
        x.writeAttribute(W, QStringLiteral("left"), twips(page::mm(page::kLeftMm)));
        x.writeAttribute(W, QStringLiteral("header"), twips(page::mm(page::kHeaderMm)));
        x.writeAttribute(W, QStringLiteral("footer"), twips(page::mm(page::kHeaderMm)));
        x.writeAttribute(W, QStringLiteral("gutter"), QStringLiteral("0"));
        x.writeEndElement();
        if (kind == SheetKind::Title) {
            x.writeStartElement(W, QStringLiteral("pgNumType"));
            x.writeAttribute(W, QStringLiteral("start"), QStringLiteral("1"));
            x.writeEndElement();
        }
        x.writeEndElement();
    }

    // The sheet's end paragraph, which carries the section's end.
    void sectionEnd(QXmlStreamWriter& x, SheetKind kind) {
        x.writeStartElement(W, QStringLiteral("p"));
        x.writeStartElement(W, QStringLiteral("pPr"));
        x.writeStartElement(W, QStringLiteral("spacing"));
        x.writeAttribute(W, QStringLiteral("before"), QStringLiteral("0"));
        x.writeAttribute(W, QStringLiteral("after"), QStringLiteral("0"));
        x.writeAttribute(W, QStringLiteral("line"), twips(page::kSheetEndPt));
        x.writeAttribute(W, QStringLiteral("lineRule"), QStringLiteral("exact"));
        x.writeEndElement();
        x.writeStartElement(W, QStringLiteral("rPr"));
        value(x, "sz", QStringLiteral("2"));
        x.writeEndElement();
        sectionProperties(x, kind);
        x.writeEndElement();
        x.writeEndElement();
    }

    void beginSheet(const Sheet& sheet, qsizetype index) override {
        if (sheet.kind == SheetKind::Text && index > 0)
            m_pageBreak = true;
    }

    // The approval and title sheets end their sections; the last section holds the rest and
    // ends the body.
    void endSheet(const Sheet& sheet) override {
        if (endsWithSheetEnd(sheet.kind))
            sectionEnd(*m_x, sheet.kind);
    }

    void heading(const Block& b, int number) override {
        const QByteArray id = QByteArray::number(number);
        QByteArray o = "<w:p><w:pPr><w:pStyle w:val=\"Heading" +
                       QByteArray::number(qBound(1, b.level, 3)) + "\"/>";
        if (m_pageBreak)
            o += "<w:pageBreakBefore/>";
        m_pageBreak = false;
        o += "</w:pPr><w:bookmarkStart w:id=\"" + id + "\" w:name=\"_Toc" + id + "\"/>";
        appendRun(o, b.text, nullptr);
        m_zip.writeRawXml(o + "<w:bookmarkEnd w:id=\"" + id + "\"/></w:p>");
    }

    void columns(const Block& b) override {
        QXmlStreamWriter& x = *m_x;
        const QString half = twips(page::kTextWidth / 2);
        x.writeStartElement(W, QStringLiteral("tbl"));
        x.writeStartElement(W, QStringLiteral("tblPr"));
        x.writeStartElement(W, QStringLiteral("tblW"));
        x.writeAttribute(W, QStringLiteral("w"), twips(page::kTextWidth));
        x.writeAttribute(W, QStringLiteral("type"), QStringLiteral("dxa"));
        x.writeEndElement();
        x.writeStartElement(W, QStringLiteral("tblLayout"));
        x.writeAttribute(W, QStringLiteral("type"), QStringLiteral("fixed"));
        x.writeEndElement();
        x.writeStartElement(W, QStringLiteral("tblCellMar"));
        for (const char* side : {"left", "right"}) {
            x.writeStartElement(W, QLatin1String(side));
            x.writeAttribute(W, QStringLiteral("w"), QStringLiteral("0"));
            x.writeAttribute(W, QStringLiteral("type"), QStringLiteral("dxa"));
            x.writeEndElement();
        }
        x.writeEndElement();
        x.writeEndElement();
        x.writeStartElement(W, QStringLiteral("tblGrid"));
        for (int i = 0; i < 2; ++i) {
            x.writeStartElement(W, QStringLiteral("gridCol"));
            x.writeAttribute(W, QStringLiteral("w"), half);
            x.writeEndElement();
        }
        x.writeEndElement();
        x.writeStartElement(W, QStringLiteral("tr"));
        for (const QStringList* column : {&b.left, &b.right}) {
            x.writeStartElement(W, QStringLiteral("tc"));
            x.writeStartElement(W, QStringLiteral("tcPr"));
            x.writeStartElement(W, QStringLiteral("tcW"));
            x.writeAttribute(W, QStringLiteral("w"), half);
            x.writeAttribute(W, QStringLiteral("type"), QStringLiteral("dxa"));
            x.writeEndElement();
            x.writeEndElement();
            const ParaFormat f = columnSideFormat(column == &b.right);
            if (column->isEmpty())
                paragraph(QStringView(), f, false);
            for (const QString& text : *column)
                paragraph(text, f, false);
            x.writeEndElement();
        }
        x.writeEndElement();
        x.writeEndElement();
    }

    // Ruled cells; the header row repeats on every page the table runs to, and no row is
    // split between pages.
    void table(const Block& b) override {
        const QList<qreal> widths = tableColumnWidths(b);
        const QByteArray rule = "w:val=\"single\" w:sz=\"" +
                                QByteArray::number(qRound(page::kRuleWidth * 8)) +
                                "\" w:space=\"0\" w:color=\"000000\"";
        QByteArray o = "<w:tbl><w:tblPr><w:tblW w:w=\"" + twips(page::kTextWidth).toLatin1() +
                       "\" w:type=\"dxa\"/><w:tblLayout w:type=\"fixed\"/><w:tblBorders>";
        for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
            o += QByteArray("<w:") + side + ' ' + rule + "/>";
        o += "</w:tblBorders><w:tblCellMar><w:top w:w=\"" + twips(page::kCellPaddingY).toLatin1() +
             "\" w:type=\"dxa\"/><w:left w:w=\"" + twips(page::kCellPaddingX).toLatin1() +
             "\" w:type=\"dxa\"/><w:bottom w:w=\"" + twips(page::kCellPaddingY).toLatin1() +
             "\" w:type=\"dxa\"/><w:right w:w=\"" + twips(page::kCellPaddingX).toLatin1() +
             "\" w:type=\"dxa\"/></w:tblCellMar></w:tblPr><w:tblGrid>";
        for (const qreal width : widths)
            o += "<w:gridCol w:w=\"" + twips(width).toLatin1() + "\"/>";
        o += "</w:tblGrid>";
        m_zip.writeRawXml(o);
        for (qsizetype r = 0; r < b.rows.size(); ++r) {
            m_zip.writeRawXml(r == 0 ? "<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>"
                                     : "<w:tr><w:trPr><w:cantSplit/></w:trPr>");
            for (qsizetype c = 0; c < widths.size(); ++c) {
                m_zip.writeRawXml("<w:tc><w:tcPr><w:tcW w:w=\"" + twips(widths.at(c)).toLatin1() +
                                  "\" w:type=\"dxa\"/></w:tcPr>");
                paragraph(b.rows.at(r).value(c), cellFormat(r == 0), false);
                m_zip.writeRawXml("</w:tc>");
            }
            m_zip.writeRawXml("</w:tr>");
        }
        m_zip.writeRawXml("</w:tbl>");
    }

    // A contents field whose result already lists the headings with their pages, each entry
    // a link to its heading's bookmark.
    void contents(const QList<const Block*>& headings) override {
        QByteArray o;
        for (qsizetype i = 0; i < headings.size(); ++i) {
            o += "<w:p><w:pPr><w:pStyle w:val=\"TOC" +
                 QByteArray::number(qBound(1, headings.at(i)->level, 3)) + "\"/></w:pPr>";
            if (i == 0) {
                o += "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText "
                     "xml:space=\"preserve\"> TOC \\o \"1-3\" \\h \\z \\u </w:instrText></w:r>"
                     "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>";
            }
            o += "<w:hyperlink w:anchor=\"_Toc" + QByteArray::number(i + 1) + "\" w:history=\"1\">";
            appendRun(o,
                      headings.at(i)->text + u'\t' +
                          QString::number(m_pages.headingPages.value(int(i))),
                      nullptr);
            o += "</w:hyperlink>";
            if (i + 1 == headings.size())
                o += "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
            o += "</w:p>";
        }
        m_zip.writeRawXml(o);
    }

    const DocModel& m_model;
    const Pagination& m_pages;
    ZipPackage m_zip;
    QXmlStreamWriter* m_x = nullptr;
    bool m_pageBreak = false;
    ParaFormat m_lastFormat;
    QByteArray m_lastStart, m_lastRun, m_paragraph;
};

} // namespace

bool writeDocx(const DocModel& model, const Pagination& pages, QIODevice& device) {
    return DocxWriter(model, pages, device).write();
}

} // namespace tz
