// A disk whose sync fails (a failing medium, a network share) must not be reported as saved,
// nor may the earlier file be replaced. This program's own fsync stands in for the system's.
#include "docgen/projectexport.h"
#include "project/atomicfile.h"
#include "project/projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
bool failSync = false;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

extern "C" int fsync(int fd) {
    if (failSync) {
        errno = EIO;
        return -1;
    }
    return int(syscall(SYS_fsync, fd));
}

extern "C" int fdatasync(int fd) {
    if (failSync) {
        errno = EIO;
        return -1;
    }
    return int(syscall(SYS_fdatasync, fd));
}

TEST(FailingSync, EveryWriteFailsAndKeepsTheEarlierFile) {
    QTemporaryDir dir;
    const QString project = dir.filePath("p.tz");
    const QString document = dir.filePath("p.html");
    ASSERT_TRUE(tz::saveProjectFile(project, {".Title", "старое", ".Finish"}).ok);
    ASSERT_TRUE(tz::writeFileAtomically(document, "old"));
    const QByteArray projectBefore = contentOf(project);

    failSync = true;
    EXPECT_FALSE(tz::saveProjectFile(project, {".Title", "новое", ".Finish"}).ok);
    EXPECT_FALSE(tz::writeFileAtomically(document, "new"));
    EXPECT_FALSE(tz::exportDocument(project, document, QString()).isEmpty());
    failSync = false;

    EXPECT_EQ(contentOf(project), projectBefore);
    EXPECT_EQ(contentOf(document), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}
