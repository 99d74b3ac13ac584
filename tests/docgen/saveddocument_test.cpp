#include "docgen/docformat.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace tz;

namespace {

DocumentInputs extendedCalculator() {
    DocumentInputs in{{QStringLiteral("Калькулятор"), QStringLiteral("Считает суммы.")},
                      QStringLiteral("20260108123456654321"),
                      true};
    in.year = 2031;
    return in;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// A document saved to a file is the one made in memory, packages whose headers are filled in
// afterwards included; a write the system takes only in part (a limit on the file's size)
// fails the save and says why, whichever the format.
TEST(SavedDocument, IsTheDocumentMadeInMemoryAndAShortWriteFails) {
    std::signal(SIGXFSZ, SIG_IGN);
    // The PDF is set with fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "saveddocument_test";
    char* argv[] = {name, nullptr};
    QGuiApplication fonts(argc, argv);
    QTemporaryDir dir;
    const DocumentInputs inputs = extendedCalculator();
    for (const DocFormatRow& row : docFormats()) {
        const QString path = dir.filePath(QStringLiteral("d.") + row.suffix.toString());
        int error = -1;
        ASSERT_TRUE(saveDocument(path, row.id, inputs, &error)) << row.choice;
        EXPECT_EQ(error, 0);
        // A PDF holds the moment it was made.
        if (!row.needsFonts) {
            EXPECT_EQ(fileBytes(path), documentBytes(row.id, inputs)) << row.choice;
        }

        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = 512;
        setrlimit(RLIMIT_FSIZE, &limit);
        const QString limited = dir.filePath(QStringLiteral("short.") + row.suffix.toString());
        const bool saved = saveDocument(limited, row.id, inputs, &error);
        setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_FALSE(saved) << row.choice;
        EXPECT_EQ(documentSaveError(limited, error),
                  QStringLiteral("Не удается сохранить документ в файл ") + limited +
                      QStringLiteral(": файл слишком велик для этого диска"));
        EXPECT_FALSE(QFile::exists(limited)) << row.choice;
    }
}
