#include "docgen/pageddocument.h"

#include "docgen/docwriter.h"
#include "docgen/zipentries.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFormat>

namespace tz {
namespace {

constexpr qreal kMarginMm = 20;
constexpr int kPageNumberPt = 12;

QTextCharFormat charFormatOf(const TextAttributes& attributes) {
    QTextCharFormat format;
    format.setFontFamilies({attributes.fontName});
    // Qt 6.4's ODF writer reads the family only from the property of Qt 5's setFontFamily.
    format.setProperty(QTextFormat::OldFontFamily, attributes.fontName);
    format.setFontPointSize(attributes.sizePt);
    format.setFontWeight(attributes.bold ? QFont::Bold : QFont::Normal);
    format.setForeground(QColor(QRgb(attributes.colour)));
    return format;
}

// One block per line, its attributes on the text and on the block, so that an empty line is
// as high as its font.
void fill(QTextDocument& text, const DocBuffer& doc) {
    text.setDocumentMargin(0);
    QTextCursor cursor(&text);
    bool first = true;
    for (const DocLine& line : doc.lines()) {
        const QTextCharFormat format = charFormatOf(line.attributes);
        if (first)
            cursor.setBlockCharFormat(format);
        else
            cursor.insertBlock(QTextBlockFormat(), format);
        first = false;
        cursor.insertText(line.text, format);
    }
}

// The page style that Qt's ODF writer leaves out: A4, the margins, and a header with the
// page number; also the font of the empty lines, which that writer gives no character style.
QByteArray odtStyles() {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<office:document-styles"
               " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
               " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
               " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
               " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
               " office:version=\"1.2\">\n"
               " <office:styles>\n"
               "  <style:default-style style:family=\"paragraph\">\n"
               "   <style:text-properties fo:font-family=\"%1\" fo:font-size=\"12pt\""
               " fo:color=\"#000000\"/>\n"
               "  </style:default-style>\n"
               " </office:styles>\n"
               " <office:automatic-styles>\n"
               "  <style:page-layout style:name=\"A4\">\n"
               "   <style:page-layout-properties fo:page-width=\"210mm\" fo:page-height=\"297mm\""
               " style:print-orientation=\"portrait\" fo:margin-top=\"%2mm\""
               " fo:margin-bottom=\"%2mm\" fo:margin-left=\"%2mm\" fo:margin-right=\"%2mm\"/>\n"
               "   <style:header-style>\n"
               "    <style:header-footer-properties fo:margin-bottom=\"5mm\"/>\n"
               "   </style:header-style>\n"
               "  </style:page-layout>\n"
               "  <style:style style:name=\"PageNumber\" style:family=\"paragraph\">\n"
               "   <style:paragraph-properties fo:text-align=\"center\"/>\n"
               "   <style:text-properties fo:font-family=\"%1\" fo:font-size=\"%3pt\"/>\n"
               "  </style:style>\n"
               " </office:automatic-styles>\n"
               " <office:master-styles>\n"
               "  <style:master-page style:name=\"Standard\" style:page-layout-name=\"A4\">\n"
               "   <style:header>\n"
               "    <text:p text:style-name=\"PageNumber\"><text:page-number"
               " text:select-page=\"current\"/></text:p>\n"
               "   </style:header>\n"
               "  </style:master-page>\n"
               " </office:master-styles>\n"
               "</office:document-styles>\n")
        .arg(docFontName())
        .arg(kMarginMm)
        .arg(kPageNumberPt)
        .toUtf8();
}

QByteArray odtManifest() {
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest:manifest"
        " xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\""
        " manifest:version=\"1.2\">\n"
        " <manifest:file-entry manifest:media-type=\"application/vnd.oasis.opendocument.text\""
        " manifest:full-path=\"/\"/>\n"
        " <manifest:file-entry manifest:media-type=\"text/xml\" "
        "manifest:full-path=\"content.xml\"/>\n"
        " <manifest:file-entry manifest:media-type=\"text/xml\" "
        "manifest:full-path=\"styles.xml\"/>\n"
        "</manifest:manifest>\n");
}

// Qt's package with the page style added: its members are copied as they are, the manifest
// is replaced by one that names the styles. A package this cannot read stays as Qt wrote it.
QByteArray withPageStyle(const QByteArray& odt) {
    const std::optional<QList<ZipEntry>> read = readZipEntries(odt);
    if (!read || read->isEmpty())
        return odt;
    QList<ZipEntry> entries;
    for (const ZipEntry& entry : *read) {
        if (entry.name != "META-INF/manifest.xml" && entry.name != "styles.xml")
            entries.append(entry);
    }
    const ZipEntry& first = read->constFirst();
    entries.append(storedZipEntry("styles.xml", odtStyles(), first));
    entries.append(storedZipEntry("META-INF/manifest.xml", odtManifest(), first));
    return zipBytes(entries);
}

} // namespace

QByteArray pdfBytes(const DocBuffer& doc) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&out);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                  QPageLayout::Millimeter));
    pdf.setCreator(QStringLiteral("tzwizard " TZ_VERSION));
    if (!doc.isEmpty())
        pdf.setTitle(doc.lines().constFirst().text);

    QTextDocument text;
    text.documentLayout()->setPaintDevice(&pdf);
    fill(text, doc);
    QFont numberFont(docFontName());
    numberFont.setPointSize(kPageNumberPt);
    const QFontMetricsF numberMetrics(numberFont, &pdf);
    // The number's line and one empty line of the same font stand above the text.
    const qreal band = 2 * numberMetrics.height();
    const QRect area = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const qreal pageHeight = area.height() - band;
    text.setPageSize(QSizeF(area.width(), pageHeight));
    // The layout moves a line that would cross a page's end to the next page, where it starts
    // exactly at that end; a clip that ends a little before keeps it off the page before.
    const qreal justBefore = 1;

    QPainter painter(&pdf);
    const int pages = text.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            pdf.newPage();
        painter.setFont(numberFont);
        painter.setPen(QColor(QRgb(ColourBlack)));
        painter.drawText(QRectF(0, 0, area.width(), numberMetrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(page + 1));
        painter.save();
        painter.translate(0, band - page * pageHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * pageHeight, area.width(), pageHeight - justBefore);
        painter.setClipRect(context.clip);
        text.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return out.data();
}

QByteArray odtBytes(const DocBuffer& doc) {
    QTextDocument text;
    fill(text, doc);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&out, "ODF");
    if (!writer.write(&text))
        return QByteArray();
    return withPageStyle(out.data());
}

QByteArray pagedDocumentBytes(const DocBuffer& doc, DocFormat format) {
    return format == DocFormat::Pdf ? pdfBytes(doc) : odtBytes(doc);
}

} // namespace tz
