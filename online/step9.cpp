#include "online/step9.h"

#include "online/buildtransport.h"
#include "online/formbody.h"
#include "online/serviceaddress.h"
#include "project/projectsession.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString unreachable = QStringLiteral("Невозможно подключиться к серверу");

QString timeStamp() {
    return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat);
}

// A reply's line breaks, whichever the service uses, as the log's own.
QString logText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

TfrmStep9::TfrmStep9(const PageContext& context)
    : WizardPage(context,
                 {QStringLiteral("Подключение к серверу"), Size::AtLeast600x450, true, false}) {
    setObjectName(QStringLiteral("frmStep9"));
    // The download strip sits right on the navigation strip.
    body()->setContentsMargins(10, 10, 10, 0);

    Memos = new QPlainTextEdit(this);
    Memos->setObjectName(QStringLiteral("Memos"));
    Memos->setAccessibleName(QStringLiteral("Журнал обмена с сервером"));
    Memos->setReadOnly(true);
    Memos->setUndoRedoEnabled(false);
    Memos->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = Memos->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    Memos->setPalette(palette);
    body()->addWidget(Memos, 1);

    DownloadPanel = new QWidget(this);
    DownloadPanel->setObjectName(QStringLiteral("DownloadPanel"));
    DownloadPanel->setFixedHeight(44);
    auto* strip = new QHBoxLayout(DownloadPanel);
    strip->setContentsMargins(0, 0, 0, 0);
    URL = new QLineEdit(DownloadPanel);
    URL->setObjectName(QStringLiteral("URL"));
    URL->setAccessibleName(QStringLiteral("Адрес для скачивания программы"));
    URL->setReadOnly(true);
    URL->setFixedWidth(433);
    btnDownload = new QPushButton(QStringLiteral("Скачать"), DownloadPanel);
    btnDownload->setObjectName(QStringLiteral("btnDownload"));
    btnDownload->setFixedWidth(137);
    btnDownload->setAutoDefault(false);
    btnDownload->setEnabled(false);
    strip->addWidget(URL);
    strip->addStretch(1);
    strip->addWidget(btnDownload);
    body()->addWidget(DownloadPanel);

    Button1 = new QPushButton(QStringLiteral("Ручной запуск (для отладки)"), NextPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedWidth(320);
    Button1->setAutoDefault(false);
    nextPanelLayout()->addWidget(Button1);
    btnPrev->setDefault(true);
    setTabOrder(URL, btnDownload);
    setTabOrder(btnDownload, btnPrev);
    setTabOrder(btnPrev, Button1);

    TimerCheckStatus = new QTimer(this);
    TimerCheckStatus->setObjectName(QStringLiteral("TimerCheckStatus"));
    TimerCheckStatus->setInterval(5000);

    HTTP = new tz::BuildTransport(this);
    HTTP->setObjectName(QStringLiteral("HTTP"));

    connect(URL, &QLineEdit::textChanged, this, &TfrmStep9::URLChange);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep9::btnPrevClick);
    connect(Button1, &QPushButton::clicked, this, &TfrmStep9::Button1Click);
    connect(TimerCheckStatus, &QTimer::timeout, this, &TfrmStep9::TimerCheckStatusTimer);
    connect(HTTP, &tz::BuildTransport::finished, this, &TfrmStep9::HTTPFinished);
}

// Restoring a minimised window shows it again without opening the page anew, and
// minimising hides it without leaving it: only the page's own show and hide count.
void TfrmStep9::showEvent(QShowEvent* event) {
    WizardPage::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmStep9::hideEvent(QHideEvent* event) {
    WizardPage::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TfrmStep9::FormShow() {
    Memos->clear();
    URL->clear();
}

void TfrmStep9::FormClose() {
    TimerCheckStatus->stop();
    m_pollDue = false;
    // What is still on its way belongs to a log that is gone once the page is shown again.
    HTTP->cancel();
    m_request = Request::None;
}

void TfrmStep9::URLChange() {
    btnDownload->setEnabled(URL->text().size() > 5);
}

void TfrmStep9::btnPrevClick() {
    GoBack();
}

void TfrmStep9::Button1Click() {
    const QString stamp = timeStamp();
    Memos->clear();
    appendLog(stamp + QStringLiteral(": Подключение к Интернет серверу компиляций..."));
    const QByteArray body = tz::formBody(session().text());
    if (!TimerCheckStatus->isActive())
        TimerCheckStatus->start();
    // The request still in flight was started for the log just emptied; the new
    // submission takes its place rather than wait for it.
    HTTP->cancel();
    m_request = Request::Submission;
    m_stamp = stamp;
    HTTP->setBaseAddress(tz::buildServiceAddress());
    HTTP->submit(body);
}

void TfrmStep9::TimerCheckStatusTimer() {
    // Requests never overlap: a poll that falls due meanwhile runs once the one in flight
    // has ended, and several such ticks make a single poll.
    if (HTTP->busy()) {
        m_pollDue = true;
        return;
    }
    startPoll();
}

void TfrmStep9::startPoll() {
    m_pollDue = false;
    m_request = Request::Poll;
    m_stamp = timeStamp();
    HTTP->poll(session().projectUid());
}

void TfrmStep9::HTTPFinished(const tz::BuildReply& reply) {
    const Request done = std::exchange(m_request, Request::None);
    if (done == Request::Submission) {
        appendLog(m_stamp +
                  (reply.ok ? QStringLiteral(": завершено") : QStringLiteral(": ") + unreachable));
    } else if (done == Request::Poll) {
        QString answer = reply.ok ? logText(reply.text) : unreachable;
        if (reply.truncated)
            answer += QStringLiteral("\n(ответ сервера длиннее %1 КБ, показано только начало)")
                          .arg(tz::BuildTransport::maxReplyBytes / 1024);
        appendLog(m_stamp + QStringLiteral(": ") + answer);
    }
    if (m_pollDue && TimerCheckStatus->isActive())
        startPoll();
}

void TfrmStep9::appendLog(const QString& line) {
    Memos->appendPlainText(line);
    QTextDocument* log = Memos->document();
    const int excess = log->characterCount() - maxLogCharacters;
    if (excess <= 0)
        return;
    // Whole lines leave, the oldest first, the newest always stays.
    QTextBlock keep = log->findBlock(excess);
    if (keep.position() < excess && keep.next().isValid())
        keep = keep.next();
    QTextCursor cursor(log);
    cursor.setPosition(keep.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}
