#include "docgen/docformat.h"
#include "docgen/projectexport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace tz;

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QStringList kProject = {"##################################################",
                              QString(),
                              ".ProjectUID",
                              "20260108123456654321",
                              ".Title",
                              QStringLiteral("Старое"),
                              QStringLiteral("Калькулятор"),
                              ".Description",
                              QStringLiteral("Первая строка"),
                              QStringLiteral("  вторая"),
                              ".CompanyName",
                              ".NewTitle",
                              ".Finish"};

// Lowers the process's file-size limit so that writing more than a few bytes fails, even
// for a user whom permissions do not stop.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

TEST(ProjectExport, ReadsTheValuesAsTheTitlePageShowsThem) {
    const DocumentInputs inputs = documentInputsOf(kProject);
    EXPECT_EQ(inputs.title, QStringLiteral("Калькулятор"));
    EXPECT_EQ(inputs.description, QStringLiteral("Первая строка\r\n  вторая"));
    EXPECT_EQ(inputs.projectUid, QStringLiteral("20260108123456654321"));
    // The last line of a text is never a value.
    EXPECT_EQ(documentInputsOf({"#", ".Title", "Без конца"}).title, QString());
}

TEST(ProjectExport, FormatFromOptionOrExtension) {
    EXPECT_EQ(docFormatOfPath("/a/b.c/Doc.HTM"), DocFormat::Html);
    EXPECT_EQ(docFormatOfPath("x.html"), DocFormat::Html);
    EXPECT_EQ(docFormatOfPath("x.rtf"), DocFormat::Rtf);
    EXPECT_EQ(docFormatOfPath("x.Doc"), DocFormat::Doc);
    EXPECT_EQ(docFormatOfPath("x.txt"), std::nullopt);
    EXPECT_EQ(docFormatOfPath("/a/b.html/x"), std::nullopt);
    EXPECT_EQ(docFormatNamed("RTF"), DocFormat::Rtf);
    EXPECT_EQ(docFormatNamed("htm"), std::nullopt);
}

TEST(ProjectExport, WritesTheDocumentAndLeavesTheProjectAlone) {
    QTemporaryDir dir;
    const QString project = dir.filePath("calc.tz");
    const QByteArray projectBytes = "#\r\n.Title\r\nA&B\r\n.Description\r\nx\r\n.Finish\r\n";
    writeBytes(project, projectBytes);
    const QString out = dir.filePath("out.txt");
    EXPECT_EQ(exportDocument(project, out, "html"), QString());
    EXPECT_TRUE(readBytes(out).startsWith("<HTML>\r\n"));
    EXPECT_TRUE(readBytes(out).contains("A&amp;B"));
    EXPECT_EQ(exportDocument(project, dir.filePath("out.doc"), QString()), QString());
    EXPECT_TRUE(readBytes(dir.filePath("out.doc")).startsWith("{\\rtf1"));
    EXPECT_EQ(readBytes(project), projectBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{"calc.tz", "out.doc", "out.txt"}));
}

TEST(ProjectExport, RefusesWhatItCannotDo) {
    QTemporaryDir dir;
    const QString project = dir.filePath("calc.tz");
    writeBytes(project, "#\r\n.Title\r\nA\r\n.Finish\r\n");
    const QString notProject = dir.filePath("notes.txt");
    writeBytes(notProject, "just some notes\r\n");
    const QString out = dir.filePath("out.html");

    EXPECT_EQ(exportDocument(dir.filePath("missing.tz"), out, {}),
              QStringLiteral("Не удается открыть файл ") + dir.filePath("missing.tz"));
    EXPECT_EQ(exportDocument(dir.path(), out, {}),
              QStringLiteral("Не удается открыть файл ") + dir.path());
    EXPECT_EQ(exportDocument(notProject, out, {}),
              QStringLiteral("Файл ") + notProject +
                  QStringLiteral(" не является техническим заданием"));
    EXPECT_TRUE(exportDocument(project, out, "pdf")
                    .startsWith(QStringLiteral("Неизвестный формат документа pdf")));
    EXPECT_TRUE(exportDocument(project, dir.filePath("out.pdf"), {})
                    .startsWith(QStringLiteral("Не удается определить формат документа")));
    EXPECT_EQ(exportDocument(project, dir.filePath("no/such/dir/out.html"), {}),
              documentSaveError(dir.filePath("no/such/dir/out.html")));
    EXPECT_EQ(exportDocument(project, dir.path(), "html"), documentSaveError(dir.path()));
    EXPECT_FALSE(QFile::exists(out));
    // The project itself is never the output, whatever the name says.
    EXPECT_TRUE(exportDocument(project, dir.path() + "/./calc.tz", "html")
                    .startsWith(QStringLiteral("Документ нельзя записать поверх файла проекта")));
    EXPECT_EQ(readBytes(project), QByteArray("#\r\n.Title\r\nA\r\n.Finish\r\n"));
}

TEST(ProjectExport, FailedWriteKeepsTheEarlierDocument) {
    QTemporaryDir dir;
    const QString project = dir.filePath("calc.tz");
    writeBytes(project, "#\r\n.Title\r\nA\r\n.Finish\r\n");
    const QString out = dir.filePath("out.html");
    writeBytes(out, "earlier document");
    {
        FileSizeLimit limit(100);
        EXPECT_EQ(exportDocument(project, out, {}), documentSaveError(out));
    }
    EXPECT_EQ(readBytes(out), QByteArray("earlier document"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"calc.tz", "out.html"}));
}
