#include "docgen/pageddocument.h"

#include "docgen/docstyle.h"
#include "docgen/pdffont.h"
#include "docgen/pdfobjects.h"

#include <QDateTime>
#include <QPageSize>

namespace tz {
namespace {

// Times New Roman's ascent and descent in ems; a line's text sits in the middle of its
// exact height, as in word processors.
constexpr qreal kAscent = 0.891;
constexpr qreal kDescent = 0.216;
// Device pixels a point: the page is drawn in them, as Qt's own PDF writer draws it.
constexpr qreal kScale = PdfFont::kPdfDpi / 72.0;

// A position as Qt keeps it: in 64ths of a device pixel, the rest cut off.
QByteArray position(qreal pixels) {
    return PdfObjects::number(qint64(pixels * 64) / 64.0);
}

// The document's properties. The title can be as long as the text: no copies of it are made,
// and its string is gone before the pages are written.
int writeProperties(PdfObjects& pdf, const DocModel& model) {
    QByteArray properties = "<< /Creator ";
    PdfObjects::appendTextString(properties, {u"tzwizard " TZ_VERSION});
    properties += " /CreationDate (D:";
    properties +=
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    properties += "Z) /Title ";
    PdfObjects::appendTextString(properties, {model.properties.title});
    properties += " >>";
    return pdf.write(properties);
}

// Each page's text goes into its own content stream, written as soon as the page is full,
// one text string a line: the glyphs follow each other by the widths of the font resource.
class PdfPages : public PageSink {
public:
    PdfPages(PdfObjects& pdf, int parent, int resources)
        : m_pdf(pdf), m_parent(parent), m_resources(resources) {}

    void beginPage(int shownNumber) override {
        endPage();
        // Device pixels from the top left corner, as Qt drew them.
        const int height = QPageSize(QPageSize::A4).sizePoints().height();
        const QByteArray unit = PdfObjects::number(1 / kScale);
        m_content = unit + " 0 0 -" + unit + " 0 " + QByteArray::number(height) + " cm\nBT\n";
        m_font = nullptr;
        m_fontSize = 0;
        if (shownNumber > 0) {
            ParaFormat f;
            f.sizePt = page::kNumberPt;
            f.lineHeight = lineHeightOf(f.sizePt);
            const QString number = QString::number(shownNumber);
            // Centred over the text, as the header of a word processor's page centres it.
            draw(number, page::mm(page::kLeftMm) + (page::kTextWidth - textWidth(number, f)) / 2,
                 page::mm(page::kHeaderMm), f);
        }
    }

    void line(const LaidLine& l) override {
        const qreal left = page::mm(page::kLeftMm);
        const qreal top = page::mm(page::kTopMm);
        draw(l.text, left + l.x, top + l.y, *l.format);
        if (l.number > 0) {
            // The page number at the right edge, dots leading to it.
            const QString number = QString::number(l.number);
            const qreal numberWidth = textWidth(number, *l.format);
            const qreal end = left + page::kTextWidth;
            draw(number, end - numberWidth, top + l.y, *l.format);
            const qreal dot = textWidth(u".", *l.format);
            const qreal from = left + l.x + l.width + dot;
            const int dots = int((end - numberWidth - dot - from) / dot);
            if (dots > 0)
                draw(QString(dots, u'.'), end - numberWidth - dot * (dots + 1), top + l.y,
                     *l.format);
        }
    }

    // A rule is drawn outside the page's text object, which goes on after it with its font.
    void rule(qreal x1, qreal y1, qreal x2, qreal y2) override {
        const qreal left = page::mm(page::kLeftMm);
        const qreal top = page::mm(page::kTopMm);
        m_content += "ET q " + PdfObjects::number(page::kRuleWidth * kScale) + " w " +
                     position((left + x1) * kScale) + ' ' + position((top + y1) * kScale) + " m " +
                     position((left + x2) * kScale) + ' ' + position((top + y2) * kScale) +
                     " l S Q BT\n";
    }

    // Ends the last page; the numbers of the page objects, in order.
    const QList<int>& finish() {
        endPage();
        return m_pages;
    }

    PdfFont regular{false, 0};
    PdfFont bold{true, 1};

private:
    void endPage() {
        if (m_content.isEmpty())
            return;
        m_content += "ET\n";
        const int content = m_pdf.writeStream(m_content);
        m_pages.append(m_pdf.write("<< /Type /Page /Parent " + PdfObjects::ref(m_parent) +
                                   " /Resources " + PdfObjects::ref(m_resources) + " /Contents " +
                                   PdfObjects::ref(content) + " >>"));
        m_content.resize(0); // keeps its room for the next page
    }

    void draw(QStringView text, qreal x, qreal y, const ParaFormat& f) {
        if (text.isEmpty())
            return;
        PdfFont& font = f.bold ? bold : regular;
        if (&font != m_font || f.sizePt != m_fontSize) {
            m_content += '/' + font.resource(f.sizePt) + ' ' +
                         QByteArray::number(f.sizePt * kScale) + " Tf\n";
            m_font = &font;
            m_fontSize = f.sizePt;
        }
        const qreal baseline = y + (f.lineHeight + (kAscent - kDescent) * f.sizePt) / 2;
        m_content += "1 0 0 -1 ";
        m_content += position(x * kScale);
        m_content += ' ';
        m_content += position(baseline * kScale);
        m_content += " Tm (";
        font.appendGlyphs(text, m_content);
        m_content += ") Tj\n";
    }

    PdfObjects& m_pdf;
    int m_parent;
    int m_resources;
    QByteArray m_content;
    QList<int> m_pages;
    // The font set last on the page.
    const PdfFont* m_font = nullptr;
    int m_fontSize = 0;
};

} // namespace

bool writePdf(const DocModel& model, const Pagination& pages, QIODevice& device) {
    PdfObjects pdf(device);
    const int catalog = pdf.reserve();
    const int tree = pdf.reserve();
    const int resources = pdf.reserve();
    const int info = writeProperties(pdf, model);
    PdfPages sink(pdf, tree, resources);
    paginate(model, pages, &sink);
    const QList<int>& pageObjects = sink.finish();
    QByteArray kids;
    for (const int page : pageObjects)
        kids += PdfObjects::ref(page) + ' ';
    const QSize a4 = QPageSize(QPageSize::A4).sizePoints();
    pdf.write(tree, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                        QByteArray::number(pageObjects.size()) + " /MediaBox [0 0 " +
                        QByteArray::number(a4.width()) + ' ' + QByteArray::number(a4.height()) +
                        "] >>");
    QByteArray fonts;
    for (const PdfFont* font : {&sink.regular, &sink.bold}) {
        for (const auto& [name, number] : font->write(pdf))
            fonts += '/' + name + ' ' + PdfObjects::ref(number) + ' ';
    }
    pdf.write(resources, "<< /Font << " + fonts + ">> >>");
    pdf.write(catalog, "<< /Type /Catalog /Pages " + PdfObjects::ref(tree) + " >>");
    return pdf.finish(catalog, info);
}

} // namespace tz
