#include "pages/previewpane.h"

#include <QCoreApplication>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPointer>
#include <QVBoxLayout>

PreviewPane::PreviewPane(std::function<tz::DocumentInputs()> inputs, QWidget* parent)
    : QWidget(parent), m_inputs(std::move(inputs)), m_document(new QPdfDocument(this)),
      m_view(new QPdfView(this)) {
    setObjectName(QStringLiteral("PreviewPane"));
    m_view->setObjectName(QStringLiteral("Preview"));
    m_view->setAccessibleName(QStringLiteral("Документ, как он будет напечатан"));
    m_view->setDocument(m_document);
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_view->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &PreviewPane::refresh);
    m_pool.setMaxThreadCount(1);
}

// The view renders in threads of its own, from the document, which reads the buffer: all
// three let go before the buffer does.
PreviewPane::~PreviewPane() {
    m_pool.waitForDone();
    m_view->setDocument(nullptr);
    m_document->close();
}

void PreviewPane::refreshSoon() {
    m_pause.start();
}

void PreviewPane::refresh() {
    m_pause.stop();
    if (m_making) {
        m_again = true;
        return;
    }
    m_making = true;
    QPointer<PreviewPane> pane(this);
    m_pool.start([pane, inputs = m_inputs()] {
        tz::DocumentPreview preview = tz::previewOf(inputs);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [pane, preview = std::move(preview)] {
                if (pane)
                    pane->made(preview);
            },
            Qt::QueuedConnection);
    });
}

void PreviewPane::made(const tz::DocumentPreview& preview) {
    m_making = false;
    if (!preview.pdf.isEmpty()) {
        // The page in view stays in view when the pages are shown anew.
        const int page = m_view->pageNavigator()->currentPage();
        m_preview = preview;
        auto shown = std::make_unique<QBuffer>();
        shown->setData(m_preview.pdf);
        shown->open(QIODevice::ReadOnly);
        m_document->load(shown.get());
        m_shown = std::move(shown);
        if (m_heading.isEmpty())
            m_view->pageNavigator()->jump(qMin(page, m_document->pageCount() - 1), {});
        else
            jumpToHeading();
        Q_EMIT refreshed();
    }
    if (std::exchange(m_again, false))
        refresh();
}

void PreviewPane::showHeading(const QString& heading) {
    m_heading = heading;
    jumpToHeading();
}

void PreviewPane::jumpToHeading() {
    const qsizetype at = m_preview.headings.indexOf(m_heading);
    if (at >= 0 && at < m_preview.headingPages.size())
        m_view->pageNavigator()->jump(m_preview.headingPages.at(at), {});
}
