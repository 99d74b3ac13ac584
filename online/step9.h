#pragma once

#include "pages/wizardpage.h"

#include <QString>

class QHideEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTimer;

namespace tz {
class BuildTransport;
struct BuildReply;
} // namespace tz

// Connection to the online build service: submits the project and logs the service's
// answers to the status polls.
class TfrmStep9 : public WizardPage {
    Q_OBJECT
public:
    // The log keeps about this many characters; older lines leave from the top.
    static constexpr int maxLogCharacters = 4 * 1024 * 1024;

    explicit TfrmStep9(const PageContext& context);

    QPlainTextEdit* Memos = nullptr;
    QWidget* DownloadPanel = nullptr;
    QLineEdit* URL = nullptr;
    QPushButton* btnDownload = nullptr;
    QPushButton* Button1 = nullptr;
    QTimer* TimerCheckStatus = nullptr;
    tz::BuildTransport* HTTP = nullptr;

    void FormShow();
    void FormClose();
    void URLChange();
    void btnPrevClick();
    void Button1Click();
    void TimerCheckStatusTimer();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum class Request { None, Submission, Poll };

    void startPoll();
    void HTTPFinished(const tz::BuildReply& reply);
    void appendLog(const QString& line);

    Request m_request = Request::None;
    // The time stamp of the request in flight, written when its outcome is logged.
    QString m_stamp;
    // A poll fell due while another request was in flight; it runs when that one ends.
    bool m_pollDue = false;
};
