#include "online/formbody.h"

#include <gtest/gtest.h>

namespace {

QByteArray body(const QStringList& lines) {
    return tz::formBody(lines);
}

TEST(FormBody, KeepsLinesWithoutEqualsAndEncodesValuesAfterTheFirstEquals) {
    const QStringList project = {
        QStringLiteral("##########"),
        QStringLiteral("# Не менять #"),
        QString(),
        QStringLiteral(".Title"),
        QStringLiteral("Редактор = текста"),
        QStringLiteral("a=b=c d"),
        QStringLiteral(".Finish"),
    };
    EXPECT_EQ(body(project), QByteArray("##########"
                                        "&# \xCD\xE5 \xEC\xE5\xED\xFF\xF2\xFC #"
                                        "&"
                                        "&.Title"
                                        "&\xD0\xE5\xE4\xE0\xEA\xF2\xEE\xF0 =%20%F2%E5%EA%F1%F2%E0"
                                        "&a=b=c%20d"
                                        "&.Finish"));
}

TEST(FormBody, EncodesTheUnsafeCharactersAndEveryByteOutside33To128) {
    EXPECT_EQ(body({QStringLiteral("x=*#%<> []!~\"&+=")}),
              QByteArray("x=%2A%23%25%3C%3E%20%5B%5D!~\"&+="));
    // 0x1F, tab, space, '!', DEL, 0x80, 0x81 and 0xFF ("я").
    const QString edges =
        QStringLiteral("v=\x1F\t !\x7F") + QChar(0x0402) + QChar(0x0403) + QStringLiteral("я");
    EXPECT_EQ(body({edges}), QByteArray("v=%1F%09%20!\x7F\x80%81%FF"));
    EXPECT_EQ(body({QStringLiteral("пусто=")}), QByteArray("\xEF\xF3\xF1\xF2\xEE="));
}

TEST(FormBody, TrimsOnlyTheEndsOfTheWholeText) {
    EXPECT_EQ(body({QString(), QStringLiteral("  "), QStringLiteral("  a b"),
                    QStringLiteral("c=1 "), QString(), QStringLiteral("\t")}),
              QByteArray("a b&c=1%20"));
    EXPECT_EQ(body({QStringLiteral("a"), QString(), QString(), QStringLiteral("b ")}),
              QByteArray("a&&&b"));
    EXPECT_EQ(body({QStringLiteral(" =x")}), QByteArray("=x"));
    EXPECT_EQ(body({QString(), QStringLiteral(" \t ")}), QByteArray());
    EXPECT_EQ(body({}), QByteArray());
    // Found by fuzzing: DEL goes unencoded, and trimming it cut the last value short.
    EXPECT_EQ(body({QStringLiteral("c=1"), QStringLiteral("=\x7F")}), QByteArray("c=1&=\x7F"));
    EXPECT_EQ(body({QStringLiteral("\x7F a")}), QByteArray("\x7F a"));
}

TEST(FormBody, MultiLineEntriesGoAsTheLinesTheyAreSavedAs) {
    const QStringList project = {
        QStringLiteral(".Description"), QStringLiteral("первая=1\r\nвторая строка"),
        QStringLiteral("x\ny"),         QStringLiteral("p\rq=\r\n"),
        QStringLiteral(".Finish"),
    };
    EXPECT_EQ(body(project), QByteArray(".Description"
                                        "&\xEF\xE5\xF0\xE2\xE0\xFF=1"
                                        "&\xE2\xF2\xEE\xF0\xE0\xFF \xF1\xF2\xF0\xEE\xEA\xE0"
                                        "&x&y"
                                        "&p&q="
                                        "&"
                                        "&.Finish"));
}

TEST(FormBody, CharactersOutsideWindows1251BecomeQuestionMarks) {
    EXPECT_EQ(body({QStringLiteral("k=✓ x"), QStringLiteral("✓ y")}), QByteArray("k=?%20x&? y"));
}

} // namespace
