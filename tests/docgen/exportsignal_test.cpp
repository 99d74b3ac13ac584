// An export ended by SIGTERM, SIGHUP or SIGINT leaves no temporary file beside the document,
// also where the file system names it while it is written (no O_TMPFILE: vfat, some network
// file systems); the signal still ends the program.
#include "../support/unnamedfiles.h"
#include "app/cli.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Set in the child only: the signal comes once the document is written, before it takes its
// name; O_TMPFILE is refused there too.
int signalAtSync = 0;

} // namespace

extern "C" int fsync(int fd) {
    if (signalAtSync != 0)
        ::raise(signalAtSync);
    return int(syscall(SYS_fsync, fd));
}

TEST(ExportSignal, TheTemporaryFileGoesWithTheProgram) {
    const QString project =
        qEnvironmentVariable("TZ_TEST_SOURCE_DIR") + QStringLiteral("/examples/warehouse.tz");
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        QTemporaryDir dir;
        // 123 Cyrillic letters: a name that leaves no room for a temporary file's usual suffix.
        const QString document = dir.filePath(QString(123, u'Ж') + QStringLiteral(".html"));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            signalAtSync = signal;
            refuseUnnamedFiles = true;
            ::_exit(runCommandLine({QStringLiteral("export"), project, document}).value_or(3));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        const QStringList left =
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        EXPECT_TRUE(left.isEmpty()) << signal << ": " << qPrintable(left.join(u' '));
    }
}
