#include "buildpagefixture.h"

#include "online/buildtransport.h"
#include "online/step9.h"
#include "pages/step8.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString startText = QStringLiteral("Подключение к Интернет серверу компиляций...");
const QString doneText = QStringLiteral("завершено");
const QString unreachable = QStringLiteral("Невозможно подключиться к серверу");

} // namespace

class Step9Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout();
    void openingSendsNothing();
    void downloadButtonFollowsTheAddressLength();
    void button1StartsLogAndPolling();
    void button1AgainEmptiesTheLogAndSubmitsAgain();
    void button1DuringASubmissionReplacesIt();
    void backStopsPollingAndReturnShowsAnEmptyLog();
    void leavingDropsTheRequestInFlight();
};

void Step9Test::layout() {
    BuildPageFixture f;
    TfrmStep9* page = f.page;
    QVERIFY(page->isVisible());
    QCOMPARE(page->windowTitle(), QStringLiteral("Подключение к серверу"));
    QCOMPARE(page->size(), QSize(594, 425));
    QVERIFY(page->Memos->isReadOnly());
    QCOMPARE(page->Memos->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(page->Memos->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(page->Memos->palette().color(QPalette::Base),
             page->palette().color(QPalette::ToolTipBase));
    QCOMPARE(page->Memos->geometry().topLeft(), QPoint(10, 10));
    QVERIFY(page->URL->isReadOnly());
    QCOMPARE(page->URL->width(), 433);
    QCOMPARE(page->btnDownload->text(), QStringLiteral("Скачать"));
    QCOMPARE(page->btnDownload->width(), 137);
    QVERIFY(!page->btnDownload->isEnabled());
    // The download strip lies between the log and the navigation strip.
    QCOMPARE(page->DownloadPanel->height(), 44);
    QCOMPARE(page->DownloadPanel->geometry().bottom() + 1, page->navPanel->geometry().top());
    QVERIFY(page->Memos->geometry().bottom() < page->DownloadPanel->geometry().top());
    QVERIFY(page->btnPrev->isDefault());
    QCOMPARE(page->Button1->parentWidget(), page->NextPanel);
    QCOMPARE(page->Button1->text(), QStringLiteral("Ручной запуск (для отладки)"));
    QCOMPARE(page->Button1->width(), 320);
    QVERIFY(!page->btnNext);
}

void Step9Test::openingSendsNothing() {
    BuildPageFixture f;
    QTest::qWait(200);
    QVERIFY(f.server.requests.isEmpty());
    QVERIFY(f.logLines().isEmpty());
    QVERIFY(!f.page->TimerCheckStatus->isActive());
}

void Step9Test::downloadButtonFollowsTheAddressLength() {
    BuildPageFixture f;
    f.page->URL->setText(QStringLiteral("http:"));
    QVERIFY(!f.page->btnDownload->isEnabled());
    f.page->URL->setText(QStringLiteral("http:/"));
    QVERIFY(f.page->btnDownload->isEnabled());
    QTest::mouseClick(f.page->btnDownload, Qt::LeftButton);
    QTest::qWait(100);
    QVERIFY(f.server.requests.isEmpty());
    QVERIFY(f.logLines().isEmpty());
    QVERIFY(f.page->isVisible());
    f.page->URL->setText(QStringLiteral("абвгд"));
    QVERIFY(!f.page->btnDownload->isEnabled());
}

void Step9Test::button1StartsLogAndPolling() {
    BuildPageFixture f;
    f.page->TimerCheckStatus->setInterval(60 * 60 * 1000);
    f.pressButton1();
    // The start line is there at once; the answer comes later.
    QCOMPARE(f.logLines().size(), 1);
    QCOMPARE(textOf(f.logLines().at(0)), startText);
    QVERIFY(f.page->TimerCheckStatus->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(f.logLines().size(), 2, 5000);
    const QStringList lines = f.logLines();
    QVERIFY2(isStampSince(stampOf(lines.at(0)), f.openedAt), qPrintable(lines.at(0)));
    QCOMPARE(lines.at(1), stampOf(lines.at(0)) + QStringLiteral(": ") + doneText);
    QCOMPARE(f.count("POST"), 1);
    QCOMPARE(f.count("GET"), 0);
}

void Step9Test::button1AgainEmptiesTheLogAndSubmitsAgain() {
    BuildPageFixture f;
    f.server.respond = [](const LoopbackServer::Request& request) {
        LoopbackServer::Answer answer;
        answer.body = request.method == "GET" ? "wait" : "";
        return answer;
    };
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(f.logLines().size() >= 4, 5000);
    f.pressButton1();
    QStringList lines = f.logLines();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(textOf(lines.at(0)), startText);
    QVERIFY(f.page->TimerCheckStatus->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(f.logLines().size() >= 3, 5000);
    lines = f.logLines();
    QCOMPARE(lines.at(1), stampOf(lines.at(0)) + QStringLiteral(": ") + doneText);
    QCOMPARE(textOf(lines.at(2)), QStringLiteral("wait"));
    QCOMPARE(f.count("POST"), 2);
}

void Step9Test::button1DuringASubmissionReplacesIt() {
    BuildPageFixture f;
    f.page->TimerCheckStatus->setInterval(60 * 60 * 1000);
    f.server.respond = [](const LoopbackServer::Request&) {
        LoopbackServer::Answer answer;
        answer.delayMs = 300;
        return answer;
    };
    f.pressButton1();
    QTRY_COMPARE_WITH_TIMEOUT(f.server.requests.size(), 1, 5000);
    f.pressButton1();
    QTRY_COMPARE_WITH_TIMEOUT(f.logLines().size(), 2, 5000);
    QTest::qWait(400);
    const QStringList lines = f.logLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(textOf(lines.at(0)), startText);
    QCOMPARE(textOf(lines.at(1)), doneText);
    QCOMPARE(f.count("POST"), 2);
}

void Step9Test::backStopsPollingAndReturnShowsAnEmptyLog() {
    BuildPageFixture f;
    f.server.respond = [](const LoopbackServer::Request&) {
        LoopbackServer::Answer answer;
        answer.body = "ok";
        return answer;
    };
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(f.count("GET") >= 2, 5000);
    f.page->URL->setText(QStringLiteral("http://127.0.0.1/x"));
    f.back();
    QVERIFY(f.wizard.w().step8->isVisible());
    QVERIFY(!f.page->isVisible());
    QVERIFY(!f.page->TimerCheckStatus->isActive());
    // The page keeps its contents while hidden; no more polls go out. A poll written just
    // before leaving may still reach the server, so what arrived is counted a moment later.
    QVERIFY(!f.logLines().isEmpty());
    QTest::qWait(100);
    const qsizetype sent = f.server.requests.size();
    QTest::qWait(300);
    QCOMPARE(f.server.requests.size(), sent);

    f.forward();
    QVERIFY(f.page->isVisible());
    QVERIFY(f.logLines().isEmpty());
    QVERIFY(f.page->URL->text().isEmpty());
    QVERIFY(!f.page->btnDownload->isEnabled());
    QVERIFY(!f.page->TimerCheckStatus->isActive());
    QTest::qWait(300);
    QCOMPARE(f.server.requests.size(), sent);
    QVERIFY(f.logLines().isEmpty());
}

void Step9Test::leavingDropsTheRequestInFlight() {
    BuildPageFixture f;
    f.server.respond = [](const LoopbackServer::Request&) {
        LoopbackServer::Answer answer;
        answer.body = "late";
        answer.delayMs = 200;
        return answer;
    };
    f.pressButton1();
    QTRY_COMPARE_WITH_TIMEOUT(f.server.requests.size(), 1, 5000);
    f.back();
    f.forward();
    QTest::qWait(500);
    QVERIFY(f.logLines().isEmpty());
    QCOMPARE(f.server.requests.size(), 1);
    QVERIFY(!f.page->HTTP->busy());
}

QTEST_MAIN(Step9Test)
#include "step9_test.moc"
