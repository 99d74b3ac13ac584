// Two names of one file (hard links) are one project: a second wizard does not open it under
// the other name, and a save leaves the names one file.
#include "project/atomicfile.h"
#include "project/fileidentity.h"
#include "project/projectlock.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void restoreVariable(const char* name, const std::optional<QByteArray>& value) {
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

std::optional<QByteArray> variable(const char* name) {
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}

} // namespace

// Without a session's runtime folder (xvfb-run, su, ssh), the lock by the file's identity
// lives in a folder of the user's own in the temporary folder; one that others could put
// files in or take them from is not used.
TEST(HardLinks, ASecondNameOfALockedProjectIsLockedWithoutARuntimeFolder) {
    enum class Own { Missing, WritableByOthers, Link, OtherUsers };
    struct Case {
        const char* name;
        Own own;
        bool lockedByIdentity;
    };
    const std::optional<QByteArray> runtime = variable("XDG_RUNTIME_DIR");
    const std::optional<QByteArray> temporary = variable("TMPDIR");
    for (const Case& c : {Case{"made when missing", Own::Missing, true},
                          Case{"writable by others", Own::WritableByOthers, false},
                          Case{"a link to a folder", Own::Link, false},
                          Case{"another user's", Own::OtherUsers, false}}) {
        if (c.own == Own::OtherUsers && ::geteuid() != 0)
            continue; // only root can give a folder to another user
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        ASSERT_TRUE(dir.isValid() && elsewhere.isValid());
        const QString path = dir.filePath(QStringLiteral("p.tz"));
        const QString other = dir.filePath(QStringLiteral("другое имя.tz"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(".Title\r\n") > 0);
        file.close();
        ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()),
                  0);
        const QString own = dir.filePath(QStringLiteral("tzwizard-%1").arg(::geteuid()));
        const QByteArray ownName = QFile::encodeName(own);
        switch (c.own) {
        case Own::Missing:
            break;
        case Own::WritableByOthers:
            ASSERT_TRUE(::mkdir(ownName.constData(), 0700) == 0 &&
                        ::chmod(ownName.constData(), 0777) == 0);
            break;
        case Own::Link:
            ASSERT_TRUE(QFile::link(elsewhere.path(), own));
            break;
        case Own::OtherUsers:
            ASSERT_TRUE(::mkdir(ownName.constData(), 0700) == 0 &&
                        ::chown(ownName.constData(), 65534, 65534) == 0);
            break;
        }
        const auto restore = qScopeGuard([&] {
            restoreVariable("XDG_RUNTIME_DIR", runtime);
            restoreVariable("TMPDIR", temporary);
        });
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(dir.path()));

        tz::ProjectLock first;
        ASSERT_EQ(first.lock(path), tz::ProjectLock::Outcome::Locked) << c.name;
        tz::ProjectLock second;
        EXPECT_EQ(second.lock(other), c.lockedByIdentity ? tz::ProjectLock::Outcome::HeldElsewhere
                                                         : tz::ProjectLock::Outcome::Locked)
            << c.name;
        struct stat folder;
        ASSERT_EQ(::lstat(ownName.constData(), &folder), 0) << c.name;
        if (c.own == Own::Missing) {
            EXPECT_EQ(folder.st_mode & 07777, 0700u) << c.name;
        } else if (c.own == Own::WritableByOthers) {
            EXPECT_EQ(folder.st_mode & 07777, 0777u) << "left as it was; " << c.name;
        }
        EXPECT_TRUE(QDir(elsewhere.path()).isEmpty()) << c.name;
        EXPECT_TRUE(c.lockedByIdentity || QDir(own).isEmpty(QDir::AllEntries | QDir::Hidden |
                                                            QDir::System | QDir::NoDotAndDotDot))
            << "nothing put into a folder refused; " << c.name;
    }
}

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

// A wizard keeps its lock while its file is deleted (by another program, or by the user);
// a new file that gets the deleted one's inode is another project and opens elsewhere.
TEST(HardLinks, ANewFileOnADeletedOnesInodeIsAnotherProject) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString deleted = dir.filePath(QStringLiteral("удалённое.tz"));
    const QString path = dir.filePath(QStringLiteral("новое.tz"));
    QFile file(deleted);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(".Title\r\n") > 0);
    file.close();
    tz::ProjectLock first;
    ASSERT_EQ(first.lock(deleted), tz::ProjectLock::Outcome::Locked);
    const quint64 inode = tz::statusOf(deleted)->identity.inode;
    ASSERT_TRUE(QFile::remove(deleted));
    // The file systems of today mostly hand a freed inode to the next new file at once.
    bool reused = false;
    for (int attempt = 0; attempt < 20 && !reused; ++attempt) {
        QFile::remove(path);
        QFile next(path);
        ASSERT_TRUE(next.open(QIODevice::WriteOnly) && next.write(".Title\r\n") > 0);
        next.close();
        reused = tz::statusOf(path)->identity.inode == inode;
    }
    if (!reused)
        GTEST_SKIP() << "the file system did not hand the inode on";
    tz::ProjectLock second;
    EXPECT_EQ(second.lock(path), tz::ProjectLock::Outcome::Locked);
}
