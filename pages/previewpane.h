#pragma once

#include "docgen/documentcontent.h"
#include "docgen/documentpreview.h"

#include <QBuffer>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QPdfDocument;
class QPdfView;

// The document's pages as they will print, beside what the user edits. After a pause in the
// changes the document is made again in the background, so that typing never waits for it;
// the pages shown stay until the new ones are ready, and a change made meanwhile makes them
// once more when those are done.
class PreviewPane : public QWidget {
    Q_OBJECT
public:
    // The inputs are taken in this thread, when a refresh starts.
    explicit PreviewPane(std::function<tz::DocumentInputs()> inputs, QWidget* parent = nullptr);
    ~PreviewPane() override;

    // The pause after the last change.
    static constexpr int kPauseMs = 200;

    QPdfView* view() const { return m_view; }
    // Makes the pages again after the pause.
    void refreshSoon();
    // Makes them now.
    void refresh();
    // Shows the page of the heading ("3.3. Требования…"), now or once the pages are made.
    void showHeading(const QString& heading);

Q_SIGNALS:
    // New pages are shown.
    void refreshed();

private:
    void made(const tz::DocumentPreview& preview);
    void jumpToHeading();

    std::function<tz::DocumentInputs()> m_inputs;
    QPdfDocument* m_document;
    QPdfView* m_view;
    QTimer m_pause;
    // The PDF shown; the document reads it as it needs.
    std::unique_ptr<QBuffer> m_shown;
    tz::DocumentPreview m_preview;
    QString m_heading;
    bool m_making = false;
    bool m_again = false;
    // Its own thread, which the pane waits for as it goes: the fonts must outlive the making.
    QThreadPool m_pool;
};
