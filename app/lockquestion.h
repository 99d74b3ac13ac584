#pragma once

#include "project/projectlock.h"

#include <QString>

class QWidget;
class UiSeam;

// Takes the project's lock for this wizard. A lock held by a wizard on another computer is
// shown with whose it is and since when, and the user opens the project anyway or cancels.
struct LockAnswer {
    bool taken = false; // the project may be opened here
    QString message;    // why not, for the user; empty when the user cancelled
};
LockAnswer takeProjectLock(tz::ProjectLock& lock, const QString& path, UiSeam& seam,
                           QWidget* parent);
