#include "buildpagefixture.h"

#include "online/buildtransport.h"
#include "online/step9.h"
#include "project/codec1251.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace {

using Answer = LoopbackServer::Answer;
using Request = LoopbackServer::Request;

const QString unreachable = QStringLiteral("Невозможно подключиться к серверу");

Answer answer(int status, const QByteArray& body = {}, const QByteArray& headers = {}) {
    Answer a;
    a.status = status;
    a.body = body;
    a.headers = headers;
    return a;
}

Answer behaving(LoopbackServer::Behaviour behaviour) {
    Answer a;
    a.behaviour = behaviour;
    return a;
}

// The texts of the log lines, time stamps left out.
QStringList texts(const QStringList& lines) {
    QStringList out;
    for (const QString& line : lines)
        out.append(textOf(line));
    return out;
}

} // namespace

class ExchangeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void submissionOnTheWire();
    void pollsOnTheWireAndRepliesVerbatim();
    void pollWithoutProjectIdentifier();
    void errorStatusesCountAsFailures();
    void refusedConnection();
    void serverThatNeverAnswers();
    void serverThatClosesHalfway();
    void slowServerNeverGetsOverlappingRequests();
    void hugeAndGarbageReplies();
    void logStaysBounded();
    void addressThatIsNoWebAddress();
};

void ExchangeTest::submissionOnTheWire() {
    BuildPageFixture f;
    f.page->TimerCheckStatus->setInterval(60 * 60 * 1000);
    const QStringList project = {
        QStringLiteral("# Не рекомендуется изменять #"),
        QString(),
        QStringLiteral(".Title"),
        QStringLiteral("Учёт = склад [1]"),
        QStringLiteral(".Description"),
        QStringLiteral("первая строка\r\nвторая=да нет"),
        QString(),
        QStringLiteral(".Finish"),
    };
    QVERIFY(f.wizard.openLines(project));
    const QStringList opened = f.wizard.session().text();
    f.pressButton1();
    QTRY_COMPARE_WITH_TIMEOUT(f.logLines().size(), 2, 5000);

    QCOMPARE(f.server.requests.size(), 1);
    const Request& post = f.server.requests.at(0);
    QCOMPARE(post.head.first(post.head.indexOf("\r\n")), QByteArray("POST /add/ HTTP/1.1"));
    QCOMPARE(post.header("Accept"), QByteArray("text/html, */*"));
    QCOMPARE(post.header("User-Agent"), QByteArray("Mozilla/3.0 (compatible; example.org Client)"));
    QCOMPARE(post.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(post.header("Host"), f.server.baseUrl().sliced(7));
    const QByteArray expected = "# \xCD\xE5 \xF0\xE5\xEA\xEE\xEC\xE5\xED\xE4\xF3\xE5\xF2\xF1\xFF "
                                "\xE8\xE7\xEC\xE5\xED\xFF\xF2\xFC #"
                                "&"
                                "&.Title"
                                "&\xD3\xF7\xB8\xF2 =%20%F1%EA%EB%E0%E4%20%5B1%5D"
                                "&.Description"
                                "&\xEF\xE5\xF0\xE2\xE0\xFF \xF1\xF2\xF0\xEE\xEA\xE0"
                                "&\xE2\xF2\xEE\xF0\xE0\xFF=%E4%E0%20%ED%E5%F2"
                                "&"
                                "&.Finish";
    QCOMPARE(post.body, expected);
    QCOMPARE(post.header("Content-Length"), QByteArray::number(expected.size()));
    QCOMPARE(f.wizard.session().text(), opened);

    const QStringList lines = f.logLines();
    QVERIFY(isStampSince(stampOf(lines.at(0)), f.openedAt));
    QCOMPARE(lines.at(1), stampOf(lines.at(0)) + QStringLiteral(": завершено"));
}

void ExchangeTest::pollsOnTheWireAndRepliesVerbatim() {
    int polls = 0;
    BuildPageFixture f;
    QVERIFY(f.wizard.openLines({"#", ".ProjectUID", "20261208123456654321", ".Finish"}));
    f.server.respond = [&polls](const Request& request) {
        if (request.method == "POST")
            return answer(200, "thrown away", "Set-Cookie: sid=abc42; Path=/\r\n");
        switch (polls++) {
        case 0:
            return answer(200, tz::encode1251(u"Задание №5 в очереди: 50% <b>").bytes);
        case 1:
            return answer(200, "\xD0\xA1\xD0\xB1\xD0\xBE\xD1\x80\xD0\xBA\xD0\xB0\r\nok",
                          "Content-Type: text/plain; charset=utf-8\r\n");
        default:
            return answer(200);
        }
    };
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(f.logLines().size() >= 6, 5000);
    f.back();

    const QStringList lines = f.logLines();
    QCOMPARE(
        texts(lines).mid(0, 6),
        QStringList({QStringLiteral("Подключение к Интернет серверу компиляций..."),
                     QStringLiteral("завершено"), QStringLiteral("Задание №5 в очереди: 50% <b>"),
                     QStringLiteral("Сборка"), QString(), QString()}));
    QCOMPARE(lines.at(4), QStringLiteral("ok"));
    for (int i : {2, 3})
        QVERIFY2(isStampSince(stampOf(lines.at(i)), f.openedAt), qPrintable(lines.at(i)));
    QCOMPARE(lines.at(5), stampOf(lines.at(5)) + QStringLiteral(": "));

    const Request& get = f.server.requests.at(1);
    QCOMPARE(get.head.first(get.head.indexOf("\r\n")),
             QByteArray("GET /status/?20261208123456654321 HTTP/1.1"));
    QCOMPARE(get.header("Accept"), QByteArray("text/html, */*"));
    QCOMPARE(get.header("User-Agent"), QByteArray("Mozilla/3.0 (compatible; example.org Client)"));
    QCOMPARE(get.header("Cookie"), QByteArray("sid=abc42"));
    QVERIFY(get.body.isEmpty());
    QVERIFY(get.header("Content-Length").isEmpty() || get.header("Content-Length") == "0");
    QVERIFY(f.server.requests.at(0).header("Cookie").isNull());
}

void ExchangeTest::pollWithoutProjectIdentifier() {
    BuildPageFixture f;
    QVERIFY(f.wizard.session().projectUid().isEmpty());
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(f.count("GET") >= 1, 5000);
    f.back();
    QCOMPARE(f.server.requests.at(1).head.first(f.server.requests.at(1).head.indexOf("\r\n")),
             QByteArray("GET /status/? HTTP/1.1"));
}

void ExchangeTest::errorStatusesCountAsFailures() {
    int polls = 0;
    BuildPageFixture f;
    f.server.respond = [&polls](const Request& request) {
        if (request.method == "POST")
            return answer(500, "Internal error");
        return ++polls == 1 ? answer(404, "no such job") : answer(200, "ok");
    };
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(f.logLines().size() >= 4, 5000);
    f.back();
    const QStringList lines = f.logLines();
    QCOMPARE(texts(lines).mid(0, 4),
             QStringList({QStringLiteral("Подключение к Интернет серверу компиляций..."),
                          unreachable, unreachable, QStringLiteral("ok")}));
    QCOMPARE(stampOf(lines.at(1)), stampOf(lines.at(0)));
}

void ExchangeTest::refusedConnection() {
    BuildPageFixture f;
    qputenv("TZWIZARD_BUILD_URL", "http://127.0.0.1:" + QByteArray::number(f.server.closedPort()));
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(f.logLines().size() >= 4, 5000);
    const QStringList lines = f.logLines();
    QCOMPARE(texts(lines).mid(1, 3), QStringList({unreachable, unreachable, unreachable}));
    QVERIFY(f.page->TimerCheckStatus->isActive());
}

void ExchangeTest::serverThatNeverAnswers() {
    BuildPageFixture f;
    f.page->HTTP->setTimeLimits(300, 150);
    f.server.respond = [](const Request&) { return behaving(LoopbackServer::Behaviour::Hang); };
    QElapsedTimer clock;
    clock.start();
    f.pressButton1();
    QTRY_COMPARE_WITH_TIMEOUT(f.logLines().size(), 2, 5000);
    QVERIFY(clock.elapsed() >= 300);
    QCOMPARE(textOf(f.logLines().at(1)), unreachable);
    QTRY_VERIFY_WITH_TIMEOUT(f.logLines().size() >= 4, 5000);
    f.back();
    QCOMPARE(texts(f.logLines()).mid(2, 2), QStringList({unreachable, unreachable}));
    // One request at a time, even though none was ever answered: each line but the first
    // stands for one request, and at most one more was on its way.
    QVERIFY(f.server.requests.size() <= f.logLines().size());
}

void ExchangeTest::serverThatClosesHalfway() {
    BuildPageFixture f;
    f.server.respond = [](const Request& request) {
        return behaving(request.method == "POST" ? LoopbackServer::Behaviour::CloseInHeaders
                                                 : LoopbackServer::Behaviour::CloseInBody);
    };
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(f.logLines().size() >= 3, 5000);
    f.back();
    QCOMPARE(texts(f.logLines()).mid(1, 2), QStringList({unreachable, unreachable}));
}

void ExchangeTest::slowServerNeverGetsOverlappingRequests() {
    BuildPageFixture f;
    // Ticks every 40 ms, answers after 150 ms: several ticks fall due during each request.
    f.server.respond = [](const Request& request) {
        Answer a = answer(200, request.method == "GET" ? "slow" : "");
        a.delayMs = 150;
        return a;
    };
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(f.logLines().size() >= 6, 10000);
    f.back();
    QCOMPARE(f.server.mostOpen, 1);
    const QStringList lines = f.logLines();
    QCOMPARE(textOf(lines.at(1)), QStringLiteral("завершено"));
    for (qsizetype i = 2; i < lines.size(); ++i)
        QCOMPARE(textOf(lines.at(i)), QStringLiteral("slow"));
    // Ticks that fell due during one request make one poll after it, not a backlog.
    QVERIFY2(f.server.requests.size() <= lines.size(),
             qPrintable(QString::number(f.server.requests.size())));
}

void ExchangeTest::hugeAndGarbageReplies() {
    QByteArray garbage;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            garbage.append(char(b));
    }
    int polls = 0;
    BuildPageFixture f;
    f.server.respond = [&](const Request& request) {
        if (request.method == "POST")
            return answer(200, QByteArray(3 * 1024 * 1024, 'p'));
        return ++polls == 1 ? answer(200, QByteArray(1024 * 1024, 'x')) : answer(200, garbage);
    };
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(f.page->Memos->document()->blockCount() >= 5, 5000);
    f.back();
    const QStringList lines = f.logLines();
    QCOMPARE(textOf(lines.at(1)), QStringLiteral("завершено"));
    QCOMPARE(textOf(lines.at(2)), QString(tz::BuildTransport::maxReplyBytes, u'x'));
    QCOMPARE(lines.at(3), QStringLiteral("(ответ сервера длиннее 256 КБ, показано только начало)"));
    QCOMPARE(textOf(lines.at(4)), tz::decode1251(garbage));
}

void ExchangeTest::logStaysBounded() {
    const QByteArray big(tz::BuildTransport::maxReplyBytes - 10, 'y');
    int polls = 0;
    BuildPageFixture f;
    f.server.respond = [&](const Request& request) {
        if (request.method == "POST")
            return answer(200);
        return answer(200, big + QByteArray::number(++polls));
    };
    const int needed = TfrmStep9::maxLogCharacters / tz::BuildTransport::maxReplyBytes + 3;
    f.pressButton1();
    QTRY_VERIFY_WITH_TIMEOUT(polls >= needed, 30000);
    const int last = polls;
    f.back();
    const QTextDocument* log = f.page->Memos->document();
    QVERIFY(log->characterCount() <= TfrmStep9::maxLogCharacters);
    QVERIFY(log->characterCount() > TfrmStep9::maxLogCharacters / 2);
    // The oldest lines went first; the last complete poll is still there.
    QVERIFY(!textOf(f.logLines().first()).startsWith(u"Подключение"));
    const QString newest = textOf(f.logLines().last());
    QVERIFY(newest.startsWith(u'y'));
    QVERIFY(newest.endsWith(QString::number(last)) || newest.endsWith(QString::number(last - 1)));
}

void ExchangeTest::addressThatIsNoWebAddress() {
    BuildPageFixture f;
    qputenv("TZWIZARD_BUILD_URL", "file:///etc");
    f.pressButton1();
    QCOMPARE(f.logLines().size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(f.logLines().size() >= 3, 5000);
    QCOMPARE(texts(f.logLines()).mid(1, 2), QStringList({unreachable, unreachable}));
}

QTEST_MAIN(ExchangeTest)
#include "exchange_test.moc"
