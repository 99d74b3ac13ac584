#include "online/replytext.h"
#include "online/serviceaddress.h"
#include "project/addresses.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplyText, Windows1251UnlessTheReplyNamesAKnownCharset) {
    const QString word = QStringLiteral("Пр");
    EXPECT_EQ(tz::decodeReplyText("\xCF\xF0", QString()), word);
    EXPECT_EQ(tz::decodeReplyText("\xCF\xF0", QStringLiteral("text/html")), word);
    EXPECT_EQ(tz::decodeReplyText("\xCF\xF0", QStringLiteral("text/html; charset=x-nonsense")),
              word);
    EXPECT_EQ(tz::decodeReplyText("\xD0\x9F\xD1\x80", QStringLiteral("text/plain; charset=utf-8")),
              word);
    EXPECT_EQ(tz::decodeReplyText("\xF0\xD2", QStringLiteral("text/html;Charset=\"KOI8-R\"")),
              word);
}

class ServiceAddress : public ::testing::Test {
protected:
    void SetUp() override { m_old = qgetenv("TZWIZARD_BUILD_URL"); }
    void TearDown() override { qputenv("TZWIZARD_BUILD_URL", m_old); }

private:
    QByteArray m_old;
};

TEST_F(ServiceAddress, TheEnvironmentOverridesTheProgramsOwnBase) {
    qunsetenv("TZWIZARD_BUILD_URL");
    EXPECT_EQ(tz::buildServiceAddress(), tz::addresses::buildServiceBase());
    qputenv("TZWIZARD_BUILD_URL", " ");
    EXPECT_EQ(tz::buildServiceAddress(), tz::addresses::buildServiceBase());
    qputenv("TZWIZARD_BUILD_URL", "http://127.0.0.1:8080");
    EXPECT_EQ(tz::buildServiceAddress(), QStringLiteral("http://127.0.0.1:8080"));
}

TEST_F(ServiceAddress, TheRestFollowsTheBaseAsWritten) {
    const QString base = QStringLiteral("http://127.0.0.1:8080");
    EXPECT_EQ(tz::serviceUrl(base, QStringLiteral("/status/?")).toEncoded(),
              QByteArray("http://127.0.0.1:8080/status/?"));
    EXPECT_EQ(
        tz::serviceUrl(base + "/", QStringLiteral("/status/?01234567890123456789")).toEncoded(),
        QByteArray("http://127.0.0.1:8080/status/?01234567890123456789"));
    EXPECT_EQ(tz::serviceUrl(base + "/svc", QStringLiteral("/add/")).toEncoded(),
              QByteArray("http://127.0.0.1:8080/svc/add/"));
}

} // namespace
