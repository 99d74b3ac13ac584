// Any name the file system takes must save and lock: the temporary file of a save and the
// lock file are named after the project and would pass the file system's limit first.
#include "project/projectfile.h"
#include "project/projectlock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(LongNames, EveryNameTheFileSystemTakesSavesAndLocks) {
    const QStringList text = {".Title", "Склад", ".Finish"};
    // Two bytes a letter: the names run from 247 to the 255 bytes a name may have.
    for (const int letters : {122, 123, 125, 126}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString(letters, u'я') + QStringLiteral(".tz"));
        ASSERT_EQ(QFile::encodeName(QDir(dir.path()).relativeFilePath(path)).size(),
                  2 * letters + 3);
        EXPECT_TRUE(tz::saveProjectFile(path, {".Title", "старое", ".Finish"}).ok) << letters;
        EXPECT_TRUE(tz::saveProjectFile(path, text).ok) << letters;
        EXPECT_EQ(tz::loadProjectFile(path).text, text) << letters;
        tz::ProjectLock lock;
        EXPECT_EQ(lock.lock(path), tz::ProjectLock::Outcome::Locked) << letters;
        EXPECT_TRUE(QFile::exists(tz::ProjectLock::lockFileOf(path))) << letters;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
            << "the project and its lock, no temporary file; " << letters;
    }
}
