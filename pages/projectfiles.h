#pragma once

#include "pages/uiseam.h"

#include <QString>

class QWidget;

namespace tz {
class ProjectLock;
class ProjectSession;
} // namespace tz

// The file dialogs' settings for project files.
UiSeam::FileRequest projectOpenRequest();
UiSeam::FileRequest projectSaveRequest();

// Takes the project's lock for this wizard. A lock held by a wizard on another computer is
// shown with whose it is and since when, and the user opens the project anyway or cancels.
struct LockAnswer {
    bool taken = false; // the project may be opened here
    QString message;    // why not, for the user; empty when the user cancelled
};
LockAnswer takeProjectLock(tz::ProjectLock& lock, const QString& path, UiSeam& seam,
                           QWidget* parent);

// Opens the project file at the path in the session, its lock taken. On failure nothing
// changes and the message says why; it is empty when the user cancelled.
struct OpenAnswer {
    bool opened = false;
    QString message;
};
OpenAnswer openProjectFile(tz::ProjectSession& session, const QString& path, UiSeam& seam,
                           QWidget* parent);

// Takes the file at the path for the project about to live there: its lock. False, with the
// user told, when another wizard has it open.
bool claimProjectFile(tz::ProjectSession& session, const QString& path, UiSeam& seam,
                      QWidget* parent);
