#include "docgen/pageddocument.h"

#include "docgen/docstyle.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>

namespace tz {
namespace {

// Times New Roman's ascent and descent in ems; a line's text sits in the middle of its
// exact height, as in word processors.
constexpr qreal kAscent = 0.891;
constexpr qreal kDescent = 0.216;

class PdfPages : public PageSink {
public:
    PdfPages(QPdfWriter& pdf, QPainter& painter)
        : m_pdf(pdf), m_painter(painter), m_scale(pdf.resolution() / 72.0) {}

    void beginPage(int shownNumber) override {
        if (m_pages++ > 0)
            m_pdf.newPage();
        if (shownNumber > 0) {
            ParaFormat f;
            f.sizePt = page::kNumberPt;
            f.lineHeight = lineHeightOf(f.sizePt);
            const QString number = QString::number(shownNumber);
            draw(number, (page::mm(page::kWidthMm) - textWidth(number, f)) / 2,
                 page::mm(page::kHeaderMm), f);
        }
    }

    void line(const LaidLine& l) override {
        const qreal left = page::mm(page::kLeftMm);
        const qreal top = page::mm(page::kTopMm);
        draw(l.text.toString(), left + l.x, top + l.y, *l.format);
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

    void rule(qreal x1, qreal y1, qreal x2, qreal y2) override {
        const qreal left = page::mm(page::kLeftMm);
        const qreal top = page::mm(page::kTopMm);
        m_painter.setPen(QPen(Qt::black, page::kRuleWidth * m_scale));
        m_painter.drawLine(QPointF((left + x1) * m_scale, (top + y1) * m_scale),
                           QPointF((left + x2) * m_scale, (top + y2) * m_scale));
        m_painter.setPen(Qt::black);
    }

private:
    void draw(const QString& text, qreal x, qreal y, const ParaFormat& f) {
        if (text.isEmpty())
            return;
        if (f.sizePt != m_fontSize || f.bold != m_fontBold) {
            QFont font(QStringLiteral("Times New Roman"));
            font.setPointSizeF(f.sizePt);
            font.setBold(f.bold);
            font.setKerning(false);
            font.setHintingPreference(QFont::PreferNoHinting);
            m_painter.setFont(font);
            m_fontSize = f.sizePt;
            m_fontBold = f.bold;
        }
        const qreal baseline = y + (f.lineHeight + (kAscent - kDescent) * f.sizePt) / 2;
        m_painter.drawText(QPointF(x * m_scale, baseline * m_scale), text);
    }

    QPdfWriter& m_pdf;
    QPainter& m_painter;
    qreal m_scale;
    int m_pages = 0;
    // The font set last.
    int m_fontSize = 0;
    bool m_fontBold = false;
};

} // namespace

bool writePdf(const DocModel& model, const Pagination& pages, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setResolution(720);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                  QPageLayout::Millimeter));
    pdf.setCreator(QStringLiteral("tzwizard " TZ_VERSION));
    pdf.setTitle(model.properties.title);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.setPen(Qt::black);
    PdfPages sink(pdf, painter);
    paginate(model, pages, &sink);
    return painter.end();
}

} // namespace tz
