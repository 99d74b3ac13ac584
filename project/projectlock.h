#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

class QLockFile;

namespace tz {

// Keeps a second wizard off a project while it is open, so that the two cannot write over
// each other's changes: a lock file beside the project ("ИМЯ.tz.lock"), removed when the
// project is closed, and on this computer one more by the file's identity, so that two
// names of one file (hard links) meet at the same lock. The lock of a process that is no
// longer running is cleared, and so is a lock file from which no wizard can be told.
class ProjectLock {
public:
    enum class Outcome {
        Locked,            // the project is this wizard's
        HeldElsewhere,     // another running wizard on this computer has it open
        HeldOnAnotherHost, // a wizard on another computer has it, or had it when it ended
        Unavailable,       // no lock can be taken here (a read-only folder or medium)
    };
    // Who holds a lock found on another computer.
    struct Holder {
        QString host;
        QString user;
        QDateTime since;
    };

    ProjectLock();
    ~ProjectLock();

    // Takes the lock of the project at the path. On success, or when no lock can be taken
    // there, the lock held before is released; when another wizard holds it, the lock held
    // before is kept.
    Outcome lock(const QString& projectPath);
    // As lock(), taking over a lock held on another computer: the user knows that wizard
    // is gone.
    Outcome lockAnyway(const QString& projectPath);
    // Who holds the lock that lock() last found held on another computer.
    const Holder& holder() const { return m_holder; }
    void release();
    // The lock file of a project; a name too long for the file system is cut and marked.
    static QString lockFileOf(const QString& projectPath);

private:
    std::unique_ptr<QLockFile> m_file;
    QString m_project;
    std::unique_ptr<QLockFile> m_identityFile;
    QString m_identityPath;
    Holder m_holder;
};

} // namespace tz
