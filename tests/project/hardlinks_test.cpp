// Two names of one file (hard links) stay one file when it is saved: it is written in place,
// after a backup copy beside it that goes once the write is synced and stays when it fails.
#include "project/atomicfile.h"
#include "project/fileidentity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(HardLinks, ASaveKeepsTheNamesOneFile) {
    struct Case {
        const char* name;
        bool writes;
    };
    const QByteArray before = "старое содержимое, длиннее нового\r\n";
    for (const Case& c :
         {Case{"a write that succeeds", true}, Case{"a write that fails half way", false}}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.tz"));
        const QString other = dir.filePath(QStringLiteral("другое имя.tz"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        file.close();
        ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()),
                  0);

        const bool saved = tz::writeFileAtomically(
            path, [&c](QIODevice& device) { return device.write("новое") > 0 && c.writes; });
        EXPECT_EQ(saved, c.writes) << c.name;
        EXPECT_TRUE(tz::sameFile(path, other)) << c.name;
        QStringList entries =
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        entries.removeOne(QStringLiteral("p.tz"));
        entries.removeOne(QStringLiteral("другое имя.tz"));
        if (c.writes) {
            EXPECT_EQ(contentOf(other), QByteArray("новое")) << c.name;
            EXPECT_TRUE(entries.isEmpty())
                << "the backup is gone; " << qPrintable(entries.join(u' '));
        } else {
            ASSERT_EQ(entries.size(), 1) << "the backup stays; " << c.name;
            EXPECT_EQ(contentOf(dir.filePath(entries.constFirst())), before) << c.name;
        }
    }
}
