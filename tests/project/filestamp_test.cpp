// A change by another program that leaves the project's size and modification time as they
// were must still be seen before the wizard writes over it.
#include "project/filestamp.h"
#include "project/projectfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Sets the file's modification time to the one it had, as "cp -p" and sync clients do.
void setModified(const QString& path, const struct timespec& modified) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, modified};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

} // namespace

TEST(FileStamp, AChangeThatKeepsTheSizeAndTheModificationTimeIsSeen) {
    const QByteArray other = tz::serializeProject({".Title", "ваше", ".Finish"}).bytes;
    const struct {
        const char* name;
        std::function<void(const QString& path, const struct timespec& modified)> change;
    } cases[] = {
        {"rewritten in place, time set back",
         [&](const QString& path, const struct timespec& modified) {
             writeBytes(path, other);
             setModified(path, modified);
         }},
        {"replaced by a file of the same time",
         [&](const QString& path, const struct timespec& modified) {
             const QString fresh = path + QStringLiteral(".new");
             writeBytes(fresh, other);
             setModified(fresh, modified);
             ASSERT_EQ(std::rename(QFile::encodeName(fresh).constData(),
                                   QFile::encodeName(path).constData()),
                       0);
         }},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.tz");
        const tz::SaveResult saved = tz::saveProjectFile(path, {".Title", "наше", ".Finish"});
        ASSERT_TRUE(saved.ok) << c.name;
        ASSERT_EQ(QFileInfo(path).size(), other.size()) << c.name;
        EXPECT_FALSE(tz::changedSince(path, saved.stamp)) << c.name;
        struct stat before;
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
        c.change(path, before.st_mtim);
        EXPECT_TRUE(tz::changedSince(path, saved.stamp)) << c.name;
    }
}
