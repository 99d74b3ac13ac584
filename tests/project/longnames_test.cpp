// Any name the file system takes must save and lock: the temporary file of a save and the
// lock file are named after the project and would pass the file system's limit first.
#include "project/projectfile.h"
#include "project/projectlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// A save through a symbolic link writes the file the link names and leaves the link, for
// every length of either name.
TEST(LongNames, ASaveThroughALinkWritesItsTarget) {
    struct Case {
        const char* name;
        int linkLetters;
        int targetLetters;
    };
    const QStringList text = {".Title", "Склад", ".Finish"};
    for (const Case& c :
         {Case{"short link, long target", 3, 123}, Case{"long link, short target", 123, 3},
          Case{"long link, long target", 126, 125}}) {
        QTemporaryDir dir;
        const QString target = dir.filePath(QString(c.targetLetters, u'я') + QStringLiteral(".tz"));
        const QString link = dir.filePath(QString(c.linkLetters, u'ю') + QStringLiteral(".tz"));
        ASSERT_TRUE(tz::saveProjectFile(target, {".Title", "старое", ".Finish"}).ok) << c.name;
        ASSERT_TRUE(QFile::link(target, link)) << c.name;
        EXPECT_TRUE(tz::saveProjectFile(link, text).ok) << c.name;
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << c.name;
        EXPECT_EQ(tz::loadProjectFile(target).text, text) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2)
            << "the link and its target, no temporary file; " << c.name;
    }
}
