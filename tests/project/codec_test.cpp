#include "project/codec1251.h"
#include "project/projectfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tz;

namespace {
QByteArray bytes(const char* s, qsizetype n) {
    return QByteArray(s, n);
}
} // namespace

TEST(ProjectCodec, EveryByteValueRoundTrips) {
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            all.append(char(b));
    }
    all.append("\r\n");
    const QStringList text = parseProjectBytes(all);
    ASSERT_EQ(text.size(), 1);
    const ProjectBytes back = serializeProject(text);
    EXPECT_EQ(back.bytes, all);
    EXPECT_TRUE(back.unencodable.isEmpty());
    EXPECT_EQ(text.constFirst().at(0x98 - 3).unicode(), 0x0098);
    EXPECT_EQ(decode1251("\xC0\xFF\xA8\xB8"), QStringLiteral("АяЁё"));
}

TEST(ProjectCodec, LinesEndAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(parseProjectBytes("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(parseProjectBytes("a\r\n"), QStringList{"a"});
    EXPECT_EQ(parseProjectBytes("\r\n"), QStringList{""});
    EXPECT_EQ(parseProjectBytes("a\n\n"), (QStringList{"a", ""}));
    EXPECT_EQ(parseProjectBytes("\r\r\n"), (QStringList{"", ""}));
    EXPECT_EQ(parseProjectBytes("\n\r"), (QStringList{"", ""}));
    EXPECT_TRUE(parseProjectBytes("").isEmpty());
}

TEST(ProjectCodec, NulEndsTheText) {
    EXPECT_EQ(parseProjectBytes(bytes("a\r\nb\0c\r\nd\r\n", 11)), (QStringList{"a", "b"}));
    EXPECT_TRUE(parseProjectBytes(bytes("\0.Title\r\n", 9)).isEmpty());
}

TEST(ProjectCodec, WritesCrLfAfterEveryLineAndSplitsMultiLineEntries) {
    EXPECT_EQ(serializeProject({"x", "", "y"}).bytes, QByteArray("x\r\n\r\ny\r\n"));
    EXPECT_EQ(serializeProject({"a\r\nb", "c"}).bytes, QByteArray("a\r\nb\r\nc\r\n"));
    // Breaks that a widget may leave inside an entry still reach the disk as CR LF.
    EXPECT_EQ(serializeProject({"a\nb\rc"}).bytes, QByteArray("a\r\nb\r\nc\r\n"));
    EXPECT_EQ(serializeProject({"a\r\n"}).bytes, QByteArray("a\r\n\r\n"));
    EXPECT_EQ(serializeProject({"a\n\rb", "c\r", "\r\r\nd", "e\nf\r\ng"}).bytes,
              QByteArray("a\r\n\r\nb\r\nc\r\n\r\n\r\n\r\nd\r\ne\r\nf\r\ng\r\n"));
    EXPECT_EQ(parseProjectBytes(serializeProject({"a\r\nb", "c"}).bytes),
              (QStringList{"a", "b", "c"}));
}

TEST(ProjectCodec, NamesEveryCharacterItCannotWriteOnce) {
    const QString text = QStringLiteral("€a😀b😀\u4E2D");
    const Encoded1251 out = encode1251(text);
    EXPECT_EQ(out.bytes, QByteArray("\x88"
                                    "a?b??"));
    EXPECT_EQ(out.unencodable, QStringLiteral("😀\u4E2D"));
}

TEST(ProjectFile, SaveAndLoadThroughTheDisk) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.tz");
    const QStringList text{".Title", "Программа", ".Description", "строка 1\r\nстрока 2",
                           ".Finish"};
    ASSERT_TRUE(saveProjectFile(path, text).ok);
    const LoadResult loaded = loadProjectFile(path);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.text, (QStringList{".Title", "Программа", ".Description", "строка 1",
                                        "строка 2", ".Finish"}));
    EXPECT_FALSE(loadProjectFile(dir.filePath("missing.tz")).ok);
    EXPECT_FALSE(loadProjectFile(dir.path()).ok);
}

TEST(ProjectFile, RefusesPathsThatAreNotRegularFiles) {
    QTemporaryDir dir;
    EXPECT_FALSE(saveProjectFile(dir.path(), {"x"}).ok);
    EXPECT_FALSE(saveProjectFile("/dev/full", {"x"}).ok);
    EXPECT_FALSE(saveProjectFile(dir.filePath("no/such/folder/p.tz"), {"x"}).ok);
}

TEST(ProjectFile, TellsProjectsFromForeignFiles) {
    // Only a file of no bytes is a new project; one that a NUL cuts to nothing is foreign,
    // or closing the wizard would write that nothing over it.
    const struct {
        QByteArray bytes;
        bool project;
    } cases[] = {
        {"", true},
        {"#\r\ngarbage\r\n.tItLe", true},
        {".Finish", true},
        {QByteArray(".Title\r\nx\r\n\0tail", 16), true},
        {QByteArray(1, '\0'), false},
        {QByteArray("\0\r\n.Title\r\n", 11), false},
        {"\x89PNG\r\nIHDR", false},
        {".Titles\r\n.u", false},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("p.tz");
    for (const auto& c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const LoadResult loaded = loadProjectFile(path);
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(looksLikeProject(loaded), c.project) << c.bytes.toStdString();
    }
}
