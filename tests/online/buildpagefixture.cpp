#include "buildpagefixture.h"

#include "online/buildtransport.h"
#include "online/step9.h"
#include "pages/step8.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

BuildPageFixture::BuildPageFixture() {
    m_oldUrl = qgetenv("TZWIZARD_BUILD_URL");
    qputenv("TZWIZARD_BUILD_URL", server.baseUrl());
    page = wizard.w().step9;
    page->TimerCheckStatus->setInterval(40);
    page->HTTP->setTimeLimits(5000, 5000);
    wizard.w().step8->show();
    openedAt = QTime::currentTime();
    forward();
}

BuildPageFixture::~BuildPageFixture() {
    qputenv("TZWIZARD_BUILD_URL", m_oldUrl);
}

QStringList BuildPageFixture::logLines() const {
    // Raw text: the plain-text view would turn no-break spaces into spaces.
    const QString text = page->Memos->document()->toRawText();
    return text.isEmpty() ? QStringList() : text.split(QChar::ParagraphSeparator);
}

void BuildPageFixture::pressButton1() {
    QTest::mouseClick(page->Button1, Qt::LeftButton);
}

void BuildPageFixture::back() {
    QTest::mouseClick(page->btnPrev, Qt::LeftButton);
}

void BuildPageFixture::forward() {
    QTest::mouseClick(wizard.w().step8->btnNext, Qt::LeftButton);
}

int BuildPageFixture::count(const QByteArray& method) const {
    int n = 0;
    for (const LoopbackServer::Request& request : server.requests)
        n += request.method == method;
    return n;
}

bool isStampSince(const QString& stamp, QTime since) {
    const QTime now = QTime::currentTime();
    const QTime from(since.hour(), since.minute(), since.second());
    int seconds = from.secsTo(now);
    if (seconds < 0)
        seconds += 24 * 60 * 60;
    const QLocale locale = QLocale::system();
    for (int i = 0; i <= seconds; ++i) {
        if (locale.toString(from.addSecs(i), QLocale::LongFormat) == stamp)
            return true;
    }
    return false;
}

QString stampOf(const QString& line) {
    return line.first(qMax(0, line.indexOf(u": ")));
}

QString textOf(const QString& line) {
    const qsizetype at = line.indexOf(u": ");
    return at < 0 ? QString() : line.sliced(at + 2);
}
