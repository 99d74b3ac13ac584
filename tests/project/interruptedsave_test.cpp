// A save killed on its way (SIGKILL, a crash) leaves nothing beside the file for long: where
// the file system allows, the temporary file has no name until it is complete; elsewhere the
// next save of the file removes what the killed one left, and nothing else.
#include "../support/unnamedfiles.h"
#include "project/atomicfile.h"
#include "project/namelimit.h"
#include "project/projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool unnamedFilesWork(const QString& folder) {
    const int handle = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY, 0600);
    if (handle < 0)
        return false;
    ::close(handle);
    return true;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(InterruptedSave, NothingIsLeftBesideTheFileOnceTheNextSaveIsDone) {
    struct Case {
        const char* name;
        bool unnamed;
    };
    for (const Case& c : {Case{"a named temporary file", false}, Case{"an unnamed one", true}}) {
        QTemporaryDir dir;
        if (c.unnamed && !unnamedFilesWork(dir.path()))
            GTEST_SKIP() << "the file system of " << qPrintable(dir.path()) << " has no O_TMPFILE";
        // 123 Cyrillic letters: the name leaves no room for a temporary file's usual suffix.
        const QString name = QString(123, u'Ж') + QStringLiteral(".tz");
        const QString path = dir.filePath(name);
        ASSERT_TRUE(tz::saveProjectFile(path, {".Title", "старое", ".Finish"}).ok) << c.name;
        const QByteArray before = contentOf(path);
        // What another program, or an earlier version of this one, left there.
        const QString foreign = dir.filePath(tz::cutToFit(name, 7, tz::nameLimit(dir.path())) +
                                             QStringLiteral(".a1b2c3"));
        QFile foreignFile(foreign);
        ASSERT_TRUE(foreignFile.open(QIODevice::WriteOnly) && foreignFile.write("чужой") > 0);
        foreignFile.close();

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            refuseUnnamedFiles = !c.unnamed;
            tz::writeFileAtomically(path, [](QIODevice& file) {
                file.write(QByteArray(1 << 20, 'x'));
                ::raise(SIGKILL);
                return true;
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << c.name;
        const QDir folder(dir.path());
        const auto entries = [&folder] {
            return folder
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .size();
        };
        EXPECT_EQ(contentOf(path), before) << c.name;
        EXPECT_EQ(entries(), c.unnamed ? 2 : 3) << "what the killed save left; " << c.name;

        refuseUnnamedFiles = !c.unnamed;
        EXPECT_TRUE(tz::saveProjectFile(path, {".Title", "новое", ".Finish"}).ok) << c.name;
        refuseUnnamedFiles = false;
        EXPECT_EQ(tz::loadProjectFile(path).text, QStringList({".Title", "новое", ".Finish"}));
        EXPECT_EQ(entries(), 2) << "the file and the foreign one; " << c.name;
        EXPECT_EQ(contentOf(foreign), QByteArray("чужой")) << c.name;
    }
}
