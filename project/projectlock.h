#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace tz {

// Keeps a second wizard off a project while it is open, so that the two cannot write over
// each other's changes: a lock file beside the project ("ИМЯ.tz.lock"), removed when the
// project is closed. The lock of a process that is no longer running is cleared.
class ProjectLock {
public:
    enum class Outcome {
        Locked,        // the project is this wizard's
        HeldElsewhere, // another running wizard has it open
        Unavailable,   // no lock can be taken here (a read-only folder or medium)
    };

    ProjectLock();
    ~ProjectLock();

    // Takes the lock of the project at the path. On success, or when no lock can be taken
    // there, the lock held before is released; when another wizard holds it, the lock held
    // before is kept.
    Outcome lock(const QString& projectPath);
    void release();
    // The lock file of a project.
    static QString lockFileOf(const QString& projectPath);

private:
    std::unique_ptr<QLockFile> m_file;
    QString m_project;
};

} // namespace tz
