#include "project/codec1251.h"
#include "project/projectfields.h"
#include "project/projectfile.h"
#include "project/projecttext.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString examplesDir() {
    return qEnvironmentVariable("TZ_TEST_SOURCE_DIR") + "/examples";
}

QStringList examplePaths() {
    QStringList paths;
    for (const QString& name : QDir(examplesDir()).entryList({QStringLiteral("*.tz")}, QDir::Files))
        paths.append(examplesDir() + u'/' + name);
    return paths;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString joined(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

// The ".Menu" records of a file, turned back into tree order as the rewrite takes them.
tz::MenuRecords menuRecords(const QStringList& text) {
    tz::MenuRecords records;
    qsizetype i = tz::findKey(text, u".Menu") + 1;
    while (i + 7 < text.size() && text.at(i) == QLatin1String(".u")) {
        tz::TMyMenuData record;
        record.Uid = text.at(i + 1).toInt();
        record.Caption = text.at(i + 3);
        QStringList description;
        for (i += 5; i < text.size() && text.at(i) != QLatin1String(".l"); ++i)
            description.append(text.at(i));
        record.Description = joined(description);
        record.Tag = text.value(i + 1).toInt();
        records.prepend(record);
        i += 2;
    }
    return records;
}

// Readable in a failure message.
std::string readable(const QByteArray& bytes1251) {
    return tz::decode1251(bytes1251).toStdString();
}
std::string readable(const QStringList& lines) {
    return lines.join(u'|').toStdString();
}

bool underExampleOrg(const QString& host) {
    return host == QLatin1String("example.org") || host.endsWith(QLatin1String(".example.org"));
}

} // namespace

TEST(Examples, ThereAreSeveralAndEachOpensAsAProject) {
    const QStringList paths = examplePaths();
    ASSERT_GE(paths.size(), 2);
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const tz::LoadResult loaded = tz::loadProjectFile(path);
        ASSERT_TRUE(loaded.ok);
        ASSERT_TRUE(tz::looksLikeProject(loaded));
        const QStringList& text = loaded.text;
        EXPECT_FALSE(tz::singleValue(text, u".Title").isEmpty());
        EXPECT_GE(tz::valueLines(text, u".Description").size(), 3) << "a purpose of several lines";
        EXPECT_FALSE(tz::singleValue(text, u".CompanyName").isEmpty());
        EXPECT_FALSE(tz::singleValue(text, u".CompanyPhone").isEmpty());
        // The examples are published: their addresses stay under the reserved domain.
        EXPECT_TRUE(underExampleOrg(QUrl(tz::singleValue(text, u".CompanyURL")).host()));
        EXPECT_TRUE(underExampleOrg(tz::singleValue(text, u".CompanyEMail").section(u'@', 1)));
    }
}

TEST(Examples, AreWindows1251WithCrLfAfterEveryLine) {
    for (const QString& path : examplePaths()) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = fileBytes(path);
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
        EXPECT_FALSE(bytes.contains('\0'));
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
        const QString text = tz::decode1251(bytes);
        EXPECT_EQ(tz::encode1251(text).bytes, bytes);
        EXPECT_TRUE(std::any_of(text.cbegin(), text.cend(),
                                [](QChar c) { return c >= u'А' && c <= u'я'; }));
        // Russian text saved as UTF-8 by an editor would decode as Windows-1251 too.
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString asUtf8 = utf8(bytes);
        EXPECT_TRUE(utf8.hasError()) << "UTF-8: " << asUtf8.left(40).toStdString();
    }
}

// Each example is exactly what the program writes: a new project's header, then the blocks
// in their order, unchanged by another rewrite with its own values.
TEST(Examples, AreAFixedPointOfTheRewrite) {
    for (const QString& path : examplePaths()) {
        SCOPED_TRACE(path.toStdString());
        const QStringList text = tz::loadProjectFile(path).text;
        const QString uid = tz::singleValue(text, u".ProjectUID");
        EXPECT_EQ(uid.size(), 20);
        EXPECT_TRUE(std::all_of(uid.cbegin(), uid.cend(), [](QChar c) { return c.isDigit(); }));
        EXPECT_EQ(readable(text.mid(0, 8)), readable(tz::newProjectText(uid).mid(0, 8)));

        QStringList structure = tz::valueLines(text, u".Structure");
        std::reverse(structure.begin(), structure.end());
        for (const bool extended : {false, true}) {
            QStringList rewritten = text;
            tz::renewProjectText(rewritten, tz::readProjectValues(text, extended), structure,
                                 menuRecords(text), extended);
            EXPECT_EQ(readable(tz::serializeProject(rewritten).bytes), readable(fileBytes(path)));
        }
        EXPECT_EQ(readable(text.mid(text.size() - 2)), ".NewTitle|.Finish");
    }
}
