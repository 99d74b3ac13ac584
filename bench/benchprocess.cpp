#include "benchprocess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

void resetPeakMemory() {
    // Memory freed before, but still held by the allocator, would count as in use.
    malloc_trim(0);
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

namespace {

// The peak resident memory (VmHWM) of a process from its status file under /proc.
qint64 peakFromStatus(const QString& statusFile) {
    QFile file(statusFile);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong() * 1024;
    }
    return 0;
}

} // namespace

qint64 peakMemoryBytes() {
    return peakFromStatus(QStringLiteral("/proc/self/status"));
}

namespace {

struct Child {
    pid_t pid = -1;
    QElapsedTimer clock;
};

Child start(const QString& program, const QStringList& arguments, const QStringList& environment) {
    std::vector<QByteArray> args{program.toLocal8Bit()};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<QByteArray> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    for (const QString& e : environment)
        env.push_back(e.toLocal8Bit());
    std::vector<char*> argv, envp;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (QByteArray& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    Child child;
    child.clock.start();
    child.pid = fork();
    if (child.pid == 0) {
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return child;
}

ProcessRun finish(Child& child, bool killed) {
    ProcessRun run;
    int status = 0;
    rusage usage{};
    if (wait4(child.pid, &status, 0, &usage) != child.pid)
        return run;
    run.wallSeconds = double(child.clock.nsecsElapsed()) / 1e9;
    run.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.ok = killed ? WIFSIGNALED(status) : (WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return run;
}

// The peak of the child's resident memory since it started its program.
qint64 peakOf(pid_t pid) {
    return peakFromStatus(QStringLiteral("/proc/%1/status").arg(pid));
}

// Processor time used so far by all the child's threads, in clock ticks.
qint64 ticksUsed(pid_t pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = file.readAll();
    // The fields after the command name, which ends with the last ')'.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields.at(11).toLongLong() + fields.at(12).toLongLong() : -1;
}

} // namespace

// A child made by fork() counts the memory of this process as its own until it runs the
// program, so its peak is taken from GNU time, which runs the program from a small
// process of its own.
ProcessRun runToEnd(const QString& program, const QStringList& arguments,
                    const QStringList& environment) {
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("time"));
    Child child = start(QStringLiteral("/usr/bin/time"),
                        QStringList{QStringLiteral("-f"), QStringLiteral("%M %U %S"),
                                    QStringLiteral("-o"), report, program} +
                            arguments,
                        environment);
    if (child.pid <= 0)
        return {};
    ProcessRun run = finish(child, false);
    QFile file(report);
    const QList<QByteArray> fields =
        file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().split(' ') : QList<QByteArray>();
    if (fields.size() != 3)
        return {};
    run.peakBytes = fields.at(0).toLongLong() * 1024;
    run.cpuSeconds = fields.at(1).toDouble() + fields.at(2).toDouble();
    return run;
}

ProcessRun runUntilIdle(const QString& program, const QStringList& arguments,
                        const QStringList& environment, double earliestSeconds,
                        double quietSeconds) {
    Child child = start(program, arguments, environment);
    if (child.pid <= 0)
        return {};
    qint64 last = -1;
    qint64 peak = 0;
    QElapsedTimer quiet;
    quiet.start();
    for (;;) {
        QThread::msleep(10);
        const qint64 used = ticksUsed(child.pid);
        if (used < 0) // ended by itself
            return finish(child, false);
        peak = qMax(peak, peakOf(child.pid));
        if (used != last) {
            last = used;
            quiet.restart();
        } else if (double(child.clock.nsecsElapsed()) / 1e9 >= earliestSeconds &&
                   double(quiet.nsecsElapsed()) / 1e9 >= quietSeconds) {
            break;
        }
    }
    kill(child.pid, SIGKILL);
    ProcessRun run = finish(child, true);
    run.peakBytes = peak;
    return run;
}
