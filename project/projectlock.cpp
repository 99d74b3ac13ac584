#include "project/projectlock.h"

#include "project/fileidentity.h"
#include "project/namelimit.h"
#include "project/privatefolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <unistd.h>

namespace tz {
namespace {

const QString kLockSuffix = QStringLiteral(".lock");
// QLockFile clears a stale lock under a second lock named after it with ".rmlock".
constexpr qsizetype kRemovalSuffix = 7;

// Two names of one file (a link, a relative path) must meet at the same lock.
QString canonicalPathOf(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// Where the locks by identity live: the session's runtime folder, or where a session has
// none (xvfb-run, su, ssh without a login manager), a folder of the user's own in the
// temporary folder. Empty when that one is not safe to use.
QString identityLockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/tzwizard-%1").arg(::geteuid());
    return ensurePrivateFolder(own) ? own : QString();
}

// The lock by the file's identity; none for a file that does not exist yet. The birth time
// is part of it: a wizard keeps its lock while its file is deleted, and a new file that gets
// the same inode is another project.
QString identityLockOf(const QString& project) {
    const std::optional<FileStatus> status = statusOf(project);
    const QString folder = status ? identityLockFolder() : QString();
    if (folder.isEmpty())
        return QString();
    return folder +
           QStringLiteral("/tzwizard-%1-%2-%3")
               .arg(status->identity.device)
               .arg(status->identity.inode)
               .arg(status->born) +
           kLockSuffix;
}

std::unique_ptr<QLockFile> lockFile(const QString& path) {
    auto file = std::make_unique<QLockFile>(path);
    // A wizard may keep a project open for days: only a lock whose process is gone is stale.
    file->setStaleLockTime(0);
    return file;
}

// Removes the lock file, whatever it is but a folder. Under a second lock, as QLockFile
// clears a stale one, so that two wizards do not both clear it and then each take the
// other's new lock for the old one.
bool removeLockFile(const QString& path, bool onlyUnverifiable) {
    QLockFile removal(path + QStringLiteral(".rmlock"));
    if (!removal.tryLock(0))
        return false;
    qint64 pid = 0;
    QString host, application;
    if (onlyUnverifiable && QLockFile(path).getLockInfo(&pid, &host, &application))
        return false;
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}

enum class Taken { Yes, Held, No };

Taken take(QLockFile& file) {
    if (file.tryLock(0))
        return Taken::Yes;
    if (file.error() != QLockFile::LockFailedError)
        return Taken::No;
    qint64 pid = 0;
    QString host, application;
    if (file.getLockInfo(&pid, &host, &application))
        return Taken::Held;
    // Empty, garbage, unreadable, a dangling link: no wizard can be told from it, and kept,
    // it would keep the project locked for ever. What cannot be removed (a folder) leaves
    // the project without a lock.
    return removeLockFile(file.fileName(), true) && file.tryLock(0) ? Taken::Yes : Taken::No;
}

} // namespace

ProjectLock::ProjectLock() = default;
ProjectLock::~ProjectLock() = default;

QString ProjectLock::lockFileOf(const QString& projectPath) {
    const QString project = canonicalPathOf(projectPath);
    const QFileInfo info(project);
    const qsizetype limit = nameLimit(info.absolutePath());
    if (fitsWithRoom(info.fileName() + kLockSuffix, kRemovalSuffix, limit))
        return project + kLockSuffix;
    // Cut names alike would meet at one lock; the whole name's hash tells them apart, the
    // same in every wizard.
    const QString tail =
        u'~' +
        QString::fromLatin1(
            QCryptographicHash::hash(QFile::encodeName(info.fileName()), QCryptographicHash::Sha1)
                .toHex()
                .left(16)) +
        kLockSuffix;
    return info.absolutePath() + u'/' +
           cutToFit(info.fileName(), QFile::encodeName(tail).size() + kRemovalSuffix, limit) + tail;
}

ProjectLock::Outcome ProjectLock::lock(const QString& projectPath) {
    const QString project = canonicalPathOf(projectPath);
    if (m_file && project == m_project)
        return Outcome::Locked;
    std::unique_ptr<QLockFile> file = lockFile(lockFileOf(project));
    switch (take(*file)) {
    case Taken::Yes:
        break;
    case Taken::Held: {
        qint64 pid = 0;
        QString host, application;
        file->getLockInfo(&pid, &host, &application);
        if (host.isEmpty() || host == QSysInfo::machineHostName())
            return Outcome::HeldElsewhere;
        const QFileInfo info(lockFileOf(project));
        m_holder = {host, info.owner(), info.lastModified()};
        return Outcome::HeldOnAnotherHost;
    }
    case Taken::No:
        release();
        return Outcome::Unavailable;
    }
    const QString identityPath = identityLockOf(project);
    std::unique_ptr<QLockFile> identity;
    if (!identityPath.isEmpty() && identityPath == m_identityPath) {
        identity = std::move(m_identityFile);
    } else if (!identityPath.isEmpty()) {
        identity = lockFile(identityPath);
        const Taken taken = take(*identity);
        if (taken == Taken::Held)
            return Outcome::HeldElsewhere;
        if (taken == Taken::No)
            identity.reset();
    }
    m_file = std::move(file);
    m_project = project;
    m_identityPath = identity ? identityPath : QString();
    m_identityFile = std::move(identity);
    return Outcome::Locked;
}

ProjectLock::Outcome ProjectLock::lockAnyway(const QString& projectPath) {
    removeLockFile(lockFileOf(projectPath), false);
    return lock(projectPath);
}

void ProjectLock::release() {
    m_file.reset();
    m_project.clear();
    m_identityFile.reset();
    m_identityPath.clear();
}

} // namespace tz
