#include "docgen/odtwriter.h"

#include "docgen/docstyle.h"
#include "docgen/modelwalk.h"
#include "docgen/zippackage.h"
#include "project/textlines.h"

#include <QHash>

#include <set>

namespace tz {
namespace {

const QString OFFICE = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString STYLE = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString TEXT = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString TABLE = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString FO = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString XLINK = QStringLiteral("http://www.w3.org/1999/xlink");
const QString DC = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString META = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:meta:1.0");
const QString CONFIG = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:config:1.0");

const QString kContentsLink = QStringLiteral("Contents_20_Link");

QString pt(qreal points) {
    return QString::number(points, 'f', 2) + QStringLiteral("pt");
}

QString mm(qreal millimetres) {
    return QString::number(millimetres, 'f', 2) + QStringLiteral("mm");
}

// How a paragraph begins its sheet: on the unnumbered page style, with the numbering
// starting there, on the numbered page style, or on a new page of the same style.
enum class Start { None, Cover, CoverFirstSheet, Numbered, NewPage };

Start startOf(SheetKind kind) {
    switch (kind) {
    case SheetKind::Approval:
        return Start::Cover;
    case SheetKind::Title:
        return Start::CoverFirstSheet;
    case SheetKind::Contents:
        return Start::Numbered;
    case SheetKind::Text:
        break;
    }
    return Start::NewPage;
}

void namespaces(QXmlStreamWriter& x) {
    x.writeNamespace(OFFICE, QStringLiteral("office"));
    x.writeNamespace(STYLE, QStringLiteral("style"));
    x.writeNamespace(TEXT, QStringLiteral("text"));
    x.writeNamespace(TABLE, QStringLiteral("table"));
    x.writeNamespace(FO, QStringLiteral("fo"));
    x.writeNamespace(XLINK, QStringLiteral("xlink"));
}

void textProperties(QXmlStreamWriter& x, const ParaFormat& f) {
    x.writeStartElement(STYLE, QStringLiteral("text-properties"));
    x.writeAttribute(STYLE, QStringLiteral("font-name"), QStringLiteral("Times New Roman"));
    x.writeAttribute(FO, QStringLiteral("font-size"), pt(f.sizePt));
    x.writeAttribute(FO, QStringLiteral("font-weight"),
                     f.bold ? QStringLiteral("bold") : QStringLiteral("normal"));
    x.writeAttribute(FO, QStringLiteral("color"), QStringLiteral("#000000"));
    x.writeAttribute(STYLE, QStringLiteral("letter-kerning"), QStringLiteral("false"));
    x.writeAttribute(FO, QStringLiteral("language"), QStringLiteral("ru"));
    x.writeAttribute(FO, QStringLiteral("country"), QStringLiteral("RU"));
    x.writeEndElement();
}

void paragraphProperties(QXmlStreamWriter& x, const ParaFormat& f, Start start) {
    x.writeStartElement(STYLE, QStringLiteral("paragraph-properties"));
    x.writeAttribute(FO, QStringLiteral("line-height"), pt(f.lineHeight));
    x.writeAttribute(FO, QStringLiteral("margin-top"), pt(f.spaceBefore));
    x.writeAttribute(FO, QStringLiteral("margin-bottom"), pt(f.spaceAfter));
    x.writeAttribute(FO, QStringLiteral("margin-left"), pt(f.indent));
    x.writeAttribute(FO, QStringLiteral("margin-right"), pt(f.rightIndent));
    x.writeAttribute(FO, QStringLiteral("text-align"),
                     f.align == Align::Center  ? QStringLiteral("center")
                     : f.align == Align::Right ? QStringLiteral("end")
                                               : QStringLiteral("start"));
    const QString lines = f.widowControl ? QStringLiteral("2") : QStringLiteral("0");
    x.writeAttribute(FO, QStringLiteral("orphans"), lines);
    x.writeAttribute(FO, QStringLiteral("widows"), lines);
    if (f.keepWithNext)
        x.writeAttribute(FO, QStringLiteral("keep-with-next"), QStringLiteral("always"));
    if (start == Start::NewPage)
        x.writeAttribute(FO, QStringLiteral("break-before"), QStringLiteral("page"));
    if (start == Start::CoverFirstSheet)
        x.writeAttribute(STYLE, QStringLiteral("page-number"), QStringLiteral("1"));
    if (f.tabRight) {
        x.writeStartElement(STYLE, QStringLiteral("tab-stops"));
        x.writeStartElement(STYLE, QStringLiteral("tab-stop"));
        x.writeAttribute(STYLE, QStringLiteral("position"), pt(page::kTextWidth - f.indent));
        x.writeAttribute(STYLE, QStringLiteral("type"), QStringLiteral("right"));
        x.writeAttribute(STYLE, QStringLiteral("leader-style"), QStringLiteral("dotted"));
        x.writeAttribute(STYLE, QStringLiteral("leader-text"), QStringLiteral("."));
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndElement();
}

QString masterOf(Start start) {
    switch (start) {
    case Start::Cover:
    case Start::CoverFirstSheet:
        return QStringLiteral("Cover");
    case Start::Numbered:
        return QStringLiteral("Standard");
    case Start::None:
    case Start::NewPage:
        break;
    }
    return QString();
}

// The paragraph formats of the document, each an automatic style of its own.
class ParagraphStyles {
public:
    QString nameOf(const ParaFormat& f, const QString& parent, Start start) {
        const QString key =
            QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9|%10")
                .arg(f.sizePt)
                .arg(f.bold)
                .arg(f.lineHeight)
                .arg(f.spaceBefore)
                .arg(f.spaceAfter)
                .arg(f.indent)
                .arg(f.rightIndent)
                .arg(int(f.align))
                .arg(int(f.keepWithNext) + 2 * int(f.tabRight) + 4 * int(f.widowControl))
                .arg(parent + u'|' + QString::number(int(start)));
        auto found = m_names.constFind(key);
        if (found != m_names.constEnd())
            return *found;
        const QString name = QStringLiteral("P%1").arg(m_styles.size() + 1);
        m_names.insert(key, name);
        m_styles.append({name, f, parent, start});
        return name;
    }

    void write(QXmlStreamWriter& x) const {
        for (const Style& s : m_styles) {
            x.writeStartElement(STYLE, QStringLiteral("style"));
            x.writeAttribute(STYLE, QStringLiteral("name"), s.name);
            x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("paragraph"));
            x.writeAttribute(STYLE, QStringLiteral("parent-style-name"), s.parent);
            if (!masterOf(s.start).isEmpty())
                x.writeAttribute(STYLE, QStringLiteral("master-page-name"), masterOf(s.start));
            paragraphProperties(x, s.format, s.start);
            textProperties(x, s.format);
            x.writeEndElement();
        }
    }

private:
    struct Style {
        QString name;
        ParaFormat format;
        QString parent;
        Start start;
    };
    QHash<QString, QString> m_names;
    QList<Style> m_styles;
};

class OdtWriter : private ModelVisitor {
public:
    OdtWriter(const DocModel& model, const Pagination& pages, QIODevice& device)
        : m_model(model), m_pages(pages), m_zip(device) {}

    bool write() {
        m_zip.add(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text", true);
        m_zip.add(QStringLiteral("META-INF/manifest.xml"), manifest());
        meta();
        settings();
        styles();
        // A first pass names the paragraph styles that the content's head lists.
        content(nullptr);
        content(&m_zip.beginXml(QStringLiteral("content.xml")));
        m_zip.endXml();
        return m_zip.finish();
    }

private:
    static QByteArray manifest() {
        QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<manifest:manifest "
                         "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
                         "manifest:version=\"1.2\">"
                         "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" "
                         "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>";
        for (const char* part : {"content.xml", "styles.xml", "meta.xml", "settings.xml"}) {
            out += QByteArray("<manifest:file-entry manifest:full-path=\"") + part +
                   "\" manifest:media-type=\"text/xml\"/>";
        }
        return out + "</manifest:manifest>";
    }

    void meta() {
        QXmlStreamWriter& x = m_zip.beginXml(QStringLiteral("meta.xml"));
        x.writeNamespace(OFFICE, QStringLiteral("office"));
        x.writeNamespace(DC, QStringLiteral("dc"));
        x.writeNamespace(META, QStringLiteral("meta"));
        x.writeStartElement(OFFICE, QStringLiteral("document-meta"));
        x.writeAttribute(OFFICE, QStringLiteral("version"), QStringLiteral("1.2"));
        x.writeStartElement(OFFICE, QStringLiteral("meta"));
        x.writeTextElement(DC, QStringLiteral("title"), xmlSafe(m_model.properties.title));
        x.writeTextElement(DC, QStringLiteral("creator"), xmlSafe(m_model.properties.author));
        x.writeTextElement(META, QStringLiteral("generator"), QStringLiteral("tzwizard"));
        x.writeEndElement();
        x.writeEndElement();
        m_zip.endXml();
    }

    // A space before a paragraph at the top of a page that the text ran onto is left out,
    // as in the other formats.
    void settings() {
        QXmlStreamWriter& x = m_zip.beginXml(QStringLiteral("settings.xml"));
        x.writeNamespace(OFFICE, QStringLiteral("office"));
        x.writeNamespace(CONFIG, QStringLiteral("config"));
        x.writeStartElement(OFFICE, QStringLiteral("document-settings"));
        x.writeAttribute(OFFICE, QStringLiteral("version"), QStringLiteral("1.2"));
        x.writeStartElement(OFFICE, QStringLiteral("settings"));
        x.writeStartElement(CONFIG, QStringLiteral("config-item-set"));
        x.writeAttribute(CONFIG, QStringLiteral("name"),
                         QStringLiteral("ooo:configuration-settings"));
        x.writeStartElement(CONFIG, QStringLiteral("config-item"));
        x.writeAttribute(CONFIG, QStringLiteral("name"),
                         QStringLiteral("AddParaTableSpacingAtStart"));
        x.writeAttribute(CONFIG, QStringLiteral("type"), QStringLiteral("boolean"));
        x.writeCharacters(QStringLiteral("false"));
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
        m_zip.endXml();
    }

    void styles() {
        QXmlStreamWriter& x = m_zip.beginXml(QStringLiteral("styles.xml"));
        namespaces(x);
        x.writeStartElement(OFFICE, QStringLiteral("document-styles"));
        x.writeAttribute(OFFICE, QStringLiteral("version"), QStringLiteral("1.2"));
        x.writeStartElement(OFFICE, QStringLiteral("font-face-decls"));
        x.writeStartElement(STYLE, QStringLiteral("font-face"));
        x.writeAttribute(STYLE, QStringLiteral("name"), QStringLiteral("Times New Roman"));
        x.writeAttribute(QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"),
                         QStringLiteral("font-family"), QStringLiteral("'Times New Roman'"));
        x.writeAttribute(STYLE, QStringLiteral("font-family-generic"), QStringLiteral("roman"));
        x.writeEndElement();
        x.writeEndElement();

        x.writeStartElement(OFFICE, QStringLiteral("styles"));
        x.writeStartElement(STYLE, QStringLiteral("default-style"));
        x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("paragraph"));
        paragraphProperties(x, columnFormat(), Start::None);
        textProperties(x, columnFormat());
        x.writeEndElement();
        namedStyle(x, QStringLiteral("Standard"), QStringLiteral("Standard"), columnFormat(), 0);
        for (int level = 1; level <= 3; ++level) {
            namedStyle(x, QStringLiteral("Heading_20_%1").arg(level),
                       QStringLiteral("Heading %1").arg(level), formatOf(tz::heading(level, {})),
                       level);
        }
        for (int level = 1; level <= 3; ++level) {
            namedStyle(x, QStringLiteral("Contents_20_%1").arg(level),
                       QStringLiteral("Contents %1").arg(level), contentsEntryFormat(level), 0);
        }
        ParaFormat number = columnFormat();
        number.align = Align::Center;
        number.sizePt = page::kNumberPt;
        namedStyle(x, QStringLiteral("Header"), QStringLiteral("Header"), number, 0);
        contentsLinkStyle(x);
        x.writeEndElement();

        x.writeStartElement(OFFICE, QStringLiteral("automatic-styles"));
        pageLayout(x, QStringLiteral("CoverLayout"), false);
        pageLayout(x, QStringLiteral("NumberedLayout"), true);
        x.writeEndElement();

        x.writeStartElement(OFFICE, QStringLiteral("master-styles"));
        x.writeStartElement(STYLE, QStringLiteral("master-page"));
        x.writeAttribute(STYLE, QStringLiteral("name"), QStringLiteral("Standard"));
        x.writeAttribute(STYLE, QStringLiteral("page-layout-name"),
                         QStringLiteral("NumberedLayout"));
        x.writeStartElement(STYLE, QStringLiteral("header"));
        x.writeStartElement(TEXT, QStringLiteral("p"));
        x.writeAttribute(TEXT, QStringLiteral("style-name"), QStringLiteral("Header"));
        x.writeStartElement(TEXT, QStringLiteral("page-number"));
        x.writeAttribute(TEXT, QStringLiteral("select-page"), QStringLiteral("current"));
        x.writeCharacters(QStringLiteral("2"));
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
        x.writeStartElement(STYLE, QStringLiteral("master-page"));
        x.writeAttribute(STYLE, QStringLiteral("name"), QStringLiteral("Cover"));
        x.writeAttribute(STYLE, QStringLiteral("page-layout-name"), QStringLiteral("CoverLayout"));
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
        m_zip.endXml();
    }

    // The contents' links in the text's colour, not underlined: without a style of their own
    // LibreOffice shows them as it shows links on the web.
    static void contentsLinkStyle(QXmlStreamWriter& x) {
        x.writeStartElement(STYLE, QStringLiteral("style"));
        x.writeAttribute(STYLE, QStringLiteral("name"), kContentsLink);
        x.writeAttribute(STYLE, QStringLiteral("display-name"), QStringLiteral("Contents Link"));
        x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("text"));
        x.writeStartElement(STYLE, QStringLiteral("text-properties"));
        x.writeAttribute(FO, QStringLiteral("color"), QStringLiteral("#000000"));
        x.writeAttribute(STYLE, QStringLiteral("text-underline-style"), QStringLiteral("none"));
        x.writeEndElement();
        x.writeEndElement();
    }

    static void namedStyle(QXmlStreamWriter& x, const QString& name, const QString& display,
                           const ParaFormat& f, int outlineLevel) {
        x.writeStartElement(STYLE, QStringLiteral("style"));
        x.writeAttribute(STYLE, QStringLiteral("name"), name);
        x.writeAttribute(STYLE, QStringLiteral("display-name"), display);
        x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("paragraph"));
        if (name != QLatin1String("Standard"))
            x.writeAttribute(STYLE, QStringLiteral("parent-style-name"),
                             QStringLiteral("Standard"));
        if (outlineLevel > 0) {
            x.writeAttribute(STYLE, QStringLiteral("default-outline-level"),
                             QString::number(outlineLevel));
            x.writeAttribute(STYLE, QStringLiteral("class"), QStringLiteral("text"));
        }
        paragraphProperties(x, f, Start::None);
        textProperties(x, f);
        x.writeEndElement();
    }

    // The page number's line and the space under it fill the top margin, so that the text
    // begins where it does on the pages without a number.
    static void pageLayout(QXmlStreamWriter& x, const QString& name, bool numbered) {
        x.writeStartElement(STYLE, QStringLiteral("page-layout"));
        x.writeAttribute(STYLE, QStringLiteral("name"), name);
        x.writeStartElement(STYLE, QStringLiteral("page-layout-properties"));
        x.writeAttribute(FO, QStringLiteral("page-width"), mm(page::kWidthMm));
        x.writeAttribute(FO, QStringLiteral("page-height"), mm(page::kHeightMm));
        x.writeAttribute(STYLE, QStringLiteral("print-orientation"), QStringLiteral("portrait"));
        x.writeAttribute(FO, QStringLiteral("margin-top"),
                         mm(numbered ? page::kHeaderMm : page::kTopMm));
        x.writeAttribute(FO, QStringLiteral("margin-bottom"), mm(page::kBottomMm));
        x.writeAttribute(FO, QStringLiteral("margin-left"), mm(page::kLeftMm));
        x.writeAttribute(FO, QStringLiteral("margin-right"), mm(page::kRightMm));
        x.writeEndElement();
        if (numbered) {
            const qreal lineMm = lineHeightOf(page::kNumberPt) * 25.4 / 72;
            x.writeStartElement(STYLE, QStringLiteral("header-style"));
            x.writeStartElement(STYLE, QStringLiteral("header-footer-properties"));
            x.writeAttribute(FO, QStringLiteral("min-height"), mm(lineMm));
            x.writeAttribute(FO, QStringLiteral("margin-bottom"),
                             mm(page::kTopMm - page::kHeaderMm - lineMm));
            x.writeAttribute(STYLE, QStringLiteral("dynamic-spacing"), QStringLiteral("false"));
            x.writeEndElement();
            x.writeEndElement();
        }
        x.writeEndElement();
    }

    void content(QXmlStreamWriter* x) {
        m_x = x;
        if (x) {
            namespaces(*x);
            x->writeStartElement(OFFICE, QStringLiteral("document-content"));
            x->writeAttribute(OFFICE, QStringLiteral("version"), QStringLiteral("1.2"));
            x->writeStartElement(OFFICE, QStringLiteral("automatic-styles"));
            m_styles.write(*x);
            tableStyles(*x);
            x->writeEndElement();
            x->writeStartElement(OFFICE, QStringLiteral("body"));
            x->writeStartElement(OFFICE, QStringLiteral("text"));
        }
        walkModel(m_model, m_pages, *this);
        if (x) {
            x->writeEndElement();
            x->writeEndElement();
            x->writeEndElement();
        }
    }

    void tableStyles(QXmlStreamWriter& x) {
        for (const Start start : {Start::None, Start::Cover}) {
            x.writeStartElement(STYLE, QStringLiteral("style"));
            x.writeAttribute(STYLE, QStringLiteral("name"), tableStyle(start));
            x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("table"));
            if (start == Start::Cover)
                x.writeAttribute(STYLE, QStringLiteral("master-page-name"),
                                 QStringLiteral("Cover"));
            x.writeStartElement(STYLE, QStringLiteral("table-properties"));
            x.writeAttribute(STYLE, QStringLiteral("width"), pt(page::kTextWidth));
            x.writeAttribute(TABLE, QStringLiteral("align"), QStringLiteral("left"));
            // Neighbouring cells share one rule, as in the other formats.
            x.writeAttribute(TABLE, QStringLiteral("border-model"), QStringLiteral("collapsing"));
            x.writeEndElement();
            x.writeEndElement();
        }
        x.writeStartElement(STYLE, QStringLiteral("style"));
        x.writeAttribute(STYLE, QStringLiteral("name"), QStringLiteral("Half"));
        x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("table-column"));
        x.writeStartElement(STYLE, QStringLiteral("table-column-properties"));
        x.writeAttribute(STYLE, QStringLiteral("column-width"), pt(page::kTextWidth / 2));
        x.writeEndElement();
        x.writeEndElement();
        x.writeStartElement(STYLE, QStringLiteral("style"));
        x.writeAttribute(STYLE, QStringLiteral("name"), QStringLiteral("Cell"));
        x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("table-cell"));
        x.writeStartElement(STYLE, QStringLiteral("table-cell-properties"));
        x.writeAttribute(FO, QStringLiteral("padding"), QStringLiteral("0mm"));
        x.writeAttribute(FO, QStringLiteral("border"), QStringLiteral("none"));
        x.writeEndElement();
        x.writeEndElement();
        // The ruled tables': their columns, rows that stay whole and bordered cells.
        for (const qreal width : m_gridColumns) {
            x.writeStartElement(STYLE, QStringLiteral("style"));
            x.writeAttribute(STYLE, QStringLiteral("name"), gridColumnStyle(width));
            x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("table-column"));
            x.writeStartElement(STYLE, QStringLiteral("table-column-properties"));
            x.writeAttribute(STYLE, QStringLiteral("column-width"), pt(width));
            x.writeEndElement();
            x.writeEndElement();
        }
        x.writeStartElement(STYLE, QStringLiteral("style"));
        x.writeAttribute(STYLE, QStringLiteral("name"), QStringLiteral("GridRow"));
        x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("table-row"));
        x.writeStartElement(STYLE, QStringLiteral("table-row-properties"));
        x.writeAttribute(FO, QStringLiteral("keep-together"), QStringLiteral("always"));
        x.writeEndElement();
        x.writeEndElement();
        x.writeStartElement(STYLE, QStringLiteral("style"));
        x.writeAttribute(STYLE, QStringLiteral("name"), QStringLiteral("GridCell"));
        x.writeAttribute(STYLE, QStringLiteral("family"), QStringLiteral("table-cell"));
        x.writeStartElement(STYLE, QStringLiteral("table-cell-properties"));
        x.writeAttribute(FO, QStringLiteral("padding-top"), pt(page::kCellPaddingY));
        x.writeAttribute(FO, QStringLiteral("padding-bottom"), pt(page::kCellPaddingY));
        x.writeAttribute(FO, QStringLiteral("padding-left"), pt(page::kCellPaddingX));
        x.writeAttribute(FO, QStringLiteral("padding-right"), pt(page::kCellPaddingX));
        x.writeAttribute(FO, QStringLiteral("border"),
                         pt(page::kRuleWidth) + QStringLiteral(" solid #000000"));
        x.writeEndElement();
        x.writeEndElement();
    }

    static QString tableStyle(Start start) {
        return start == Start::None ? QStringLiteral("Columns") : QStringLiteral("ColumnsCover");
    }

    // The style of a paragraph; the first of a sheet also begins its page.
    QString styleFor(const ParaFormat& f, const QString& parent) {
        const Start start = m_start;
        m_start = Start::None;
        return m_styles.nameOf(f, parent, start);
    }

    void beginSheet(const Sheet& sheet, qsizetype) override { m_start = startOf(sheet.kind); }
    void endSheet(const Sheet& sheet) override {
        if (endsWithSheetEnd(sheet.kind))
            paragraph(QStringView(), gapFormat(page::kSheetEndPt), false);
    }

    void paragraph(QStringView text, const ParaFormat& f, bool unbreakable) override {
        paragraph(text, styleFor(f, QStringLiteral("Standard")), unbreakable);
    }

    // The first line may begin the sheet; the others share one style.
    void lines(QStringView text, const ParaFormat& f) override {
        const QString first = styleFor(f, QStringLiteral("Standard"));
        const QString rest = styleFor(f, QStringLiteral("Standard"));
        if (!m_x)
            return;
        bool isFirst = true;
        forEachLine(text, [&](QStringView line) {
            paragraph(line, isFirst ? first : rest, false);
            isFirst = false;
        });
    }

    void paragraph(QStringView text, const QString& style, bool unbreakable) {
        if (!m_x)
            return;
        m_x->writeStartElement(TEXT, QStringLiteral("p"));
        m_x->writeAttribute(TEXT, QStringLiteral("style-name"), style);
        characters(text, unbreakable);
        m_x->writeEndElement();
        m_zip.flushXml();
    }

    // Runs of blanks as text:s, tabs as text:tab; a hyphen that must not break as U+2011.
    void characters(QStringView text, bool unbreakable) {
        forEachRun(text, unbreakable, true, [this](RunKind kind, QStringView piece) {
            switch (kind) {
            case RunKind::Text:
                m_x->writeCharacters(xmlSafe(piece));
                break;
            case RunKind::Tab:
                m_x->writeEmptyElement(TEXT, QStringLiteral("tab"));
                break;
            case RunKind::Hyphen:
                m_x->writeCharacters(QString(QChar(0x2011)));
                break;
            case RunKind::Blanks:
                m_x->writeEmptyElement(TEXT, QStringLiteral("s"));
                if (piece.size() > 1)
                    m_x->writeAttribute(TEXT, QStringLiteral("c"), QString::number(piece.size()));
                break;
            }
        });
    }

    void heading(const Block& b, int number) override {
        const int level = qBound(1, b.level, 3);
        const QString style = styleFor(formatOf(b), QStringLiteral("Heading_20_%1").arg(level));
        if (!m_x)
            return;
        const QString mark = QStringLiteral("_Toc%1").arg(number);
        m_x->writeStartElement(TEXT, QStringLiteral("h"));
        m_x->writeAttribute(TEXT, QStringLiteral("style-name"), style);
        m_x->writeAttribute(TEXT, QStringLiteral("outline-level"), QString::number(level));
        m_x->writeEmptyElement(TEXT, QStringLiteral("bookmark-start"));
        m_x->writeAttribute(TEXT, QStringLiteral("name"), mark);
        characters(b.text, false);
        m_x->writeEmptyElement(TEXT, QStringLiteral("bookmark-end"));
        m_x->writeAttribute(TEXT, QStringLiteral("name"), mark);
        m_x->writeEndElement();
    }

    void columns(const Block& b) override {
        const Start start = m_start;
        m_start = Start::None;
        const QString leftStyle =
            m_styles.nameOf(columnSideFormat(false), QStringLiteral("Standard"), Start::None);
        const QString rightStyle =
            m_styles.nameOf(columnSideFormat(true), QStringLiteral("Standard"), Start::None);
        if (!m_x)
            return;
        m_x->writeStartElement(TABLE, QStringLiteral("table"));
        m_x->writeAttribute(TABLE, QStringLiteral("style-name"),
                            tableStyle(start == Start::None ? Start::None : Start::Cover));
        m_x->writeEmptyElement(TABLE, QStringLiteral("table-column"));
        m_x->writeAttribute(TABLE, QStringLiteral("style-name"), QStringLiteral("Half"));
        m_x->writeAttribute(TABLE, QStringLiteral("number-columns-repeated"), QStringLiteral("2"));
        m_x->writeStartElement(TABLE, QStringLiteral("table-row"));
        for (const QStringList* column : {&b.left, &b.right}) {
            m_x->writeStartElement(TABLE, QStringLiteral("table-cell"));
            m_x->writeAttribute(TABLE, QStringLiteral("style-name"), QStringLiteral("Cell"));
            m_x->writeAttribute(OFFICE, QStringLiteral("value-type"), QStringLiteral("string"));
            const QStringList texts = column->isEmpty() ? QStringList{QString()} : *column;
            for (const QString& text : texts) {
                m_x->writeStartElement(TEXT, QStringLiteral("p"));
                m_x->writeAttribute(TEXT, QStringLiteral("style-name"),
                                    column == &b.left ? leftStyle : rightStyle);
                characters(text, false);
                m_x->writeEndElement();
            }
            m_x->writeEndElement();
        }
        m_x->writeEndElement();
        m_x->writeEndElement();
    }

    // Ruled cells; the header row repeats on every page the table runs to, and no row is
    // split between pages.
    void table(const Block& b) override {
        const Start start = m_start;
        m_start = Start::None;
        const QString header =
            m_styles.nameOf(cellFormat(true), QStringLiteral("Standard"), Start::None);
        const QString body =
            m_styles.nameOf(cellFormat(false), QStringLiteral("Standard"), Start::None);
        const QList<qreal> widths = tableColumnWidths(b);
        for (const qreal width : widths)
            m_gridColumns.insert(width);
        if (!m_x)
            return;
        QXmlStreamWriter& x = *m_x;
        x.writeStartElement(TABLE, QStringLiteral("table"));
        x.writeAttribute(TABLE, QStringLiteral("style-name"),
                         tableStyle(start == Start::None ? Start::None : Start::Cover));
        for (const qreal width : widths) {
            x.writeEmptyElement(TABLE, QStringLiteral("table-column"));
            x.writeAttribute(TABLE, QStringLiteral("style-name"), gridColumnStyle(width));
        }
        for (qsizetype r = 0; r < b.rows.size(); ++r) {
            if (r == 0)
                x.writeStartElement(TABLE, QStringLiteral("table-header-rows"));
            x.writeStartElement(TABLE, QStringLiteral("table-row"));
            x.writeAttribute(TABLE, QStringLiteral("style-name"), QStringLiteral("GridRow"));
            for (qsizetype c = 0; c < widths.size(); ++c) {
                x.writeStartElement(TABLE, QStringLiteral("table-cell"));
                x.writeAttribute(TABLE, QStringLiteral("style-name"), QStringLiteral("GridCell"));
                x.writeAttribute(OFFICE, QStringLiteral("value-type"), QStringLiteral("string"));
                x.writeStartElement(TEXT, QStringLiteral("p"));
                x.writeAttribute(TEXT, QStringLiteral("style-name"), r == 0 ? header : body);
                characters(b.rows.at(r).value(c), false);
                x.writeEndElement();
                x.writeEndElement();
            }
            x.writeEndElement();
            if (r == 0)
                x.writeEndElement();
        }
        x.writeEndElement();
    }

    static QString gridColumnStyle(qreal width) {
        return QStringLiteral("Grid%1").arg(qRound(width * 100));
    }

    // A contents index whose body already lists the headings with their pages, each entry a
    // link to its heading.
    void contents(const QList<const Block*>& headings) override {
        QStringList styles;
        for (const Block* h : headings) {
            const int level = qBound(1, h->level, 3);
            styles.append(m_styles.nameOf(contentsEntryFormat(level),
                                          QStringLiteral("Contents_20_%1").arg(level),
                                          Start::None));
        }
        if (!m_x)
            return;
        QXmlStreamWriter& x = *m_x;
        x.writeStartElement(TEXT, QStringLiteral("table-of-content"));
        x.writeAttribute(TEXT, QStringLiteral("name"), QStringLiteral("Содержание"));
        x.writeAttribute(TEXT, QStringLiteral("protected"), QStringLiteral("false"));
        x.writeStartElement(TEXT, QStringLiteral("table-of-content-source"));
        x.writeAttribute(TEXT, QStringLiteral("outline-level"), QStringLiteral("3"));
        x.writeAttribute(TEXT, QStringLiteral("use-index-marks"), QStringLiteral("false"));
        for (int level = 1; level <= 3; ++level) {
            x.writeStartElement(TEXT, QStringLiteral("table-of-content-entry-template"));
            x.writeAttribute(TEXT, QStringLiteral("outline-level"), QString::number(level));
            x.writeAttribute(TEXT, QStringLiteral("style-name"),
                             QStringLiteral("Contents_20_%1").arg(level));
            x.writeEmptyElement(TEXT, QStringLiteral("index-entry-link-start"));
            x.writeAttribute(TEXT, QStringLiteral("style-name"), kContentsLink);
            x.writeEmptyElement(TEXT, QStringLiteral("index-entry-text"));
            x.writeEmptyElement(TEXT, QStringLiteral("index-entry-tab-stop"));
            x.writeAttribute(STYLE, QStringLiteral("type"), QStringLiteral("right"));
            x.writeAttribute(STYLE, QStringLiteral("leader-char"), QStringLiteral("."));
            x.writeEmptyElement(TEXT, QStringLiteral("index-entry-page-number"));
            x.writeEmptyElement(TEXT, QStringLiteral("index-entry-link-end"));
            x.writeEndElement();
        }
        x.writeEndElement();
        x.writeStartElement(TEXT, QStringLiteral("index-body"));
        for (qsizetype i = 0; i < headings.size(); ++i) {
            x.writeStartElement(TEXT, QStringLiteral("p"));
            x.writeAttribute(TEXT, QStringLiteral("style-name"), styles.at(i));
            x.writeStartElement(TEXT, QStringLiteral("a"));
            x.writeAttribute(XLINK, QStringLiteral("type"), QStringLiteral("simple"));
            x.writeAttribute(XLINK, QStringLiteral("href"), QStringLiteral("#_Toc%1").arg(i + 1));
            x.writeAttribute(TEXT, QStringLiteral("style-name"), kContentsLink);
            x.writeAttribute(TEXT, QStringLiteral("visited-style-name"), kContentsLink);
            characters(headings.at(i)->text, false);
            x.writeEmptyElement(TEXT, QStringLiteral("tab"));
            x.writeCharacters(QString::number(m_pages.headingPages.value(int(i))));
            x.writeEndElement();
            x.writeEndElement();
        }
        x.writeEndElement();
        x.writeEndElement();
    }

    const DocModel& m_model;
    const Pagination& m_pages;
    ZipPackage m_zip;
    ParagraphStyles m_styles;
    std::set<qreal> m_gridColumns;
    QXmlStreamWriter* m_x = nullptr;
    Start m_start = Start::None;
};

} // namespace

bool writeOdt(const DocModel& model, const Pagination& pages, QIODevice& device) {
    return OdtWriter(model, pages, device).write();
}

} // namespace tz
