#include "project/projectlock.h"

#include <QFileInfo>
#include <QLockFile>

namespace tz {
namespace {

// Two names of one file (a link, a relative path) must meet at the same lock.
QString identityOf(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

ProjectLock::ProjectLock() = default;
ProjectLock::~ProjectLock() = default;

QString ProjectLock::lockFileOf(const QString& projectPath) {
    return identityOf(projectPath) + QStringLiteral(".lock");
}

ProjectLock::Outcome ProjectLock::lock(const QString& projectPath) {
    const QString project = identityOf(projectPath);
    if (m_file && project == m_project)
        return Outcome::Locked;
    auto file = std::make_unique<QLockFile>(lockFileOf(project));
    // A wizard may keep a project open for days: only a lock whose process is gone is stale.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        m_file = std::move(file);
        m_project = project;
        return Outcome::Locked;
    }
    if (file->error() == QLockFile::LockFailedError)
        return Outcome::HeldElsewhere;
    release();
    return Outcome::Unavailable;
}

void ProjectLock::release() {
    m_file.reset();
    m_project.clear();
}

} // namespace tz
