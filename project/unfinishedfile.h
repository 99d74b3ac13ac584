#pragma once

#include <QByteArray>

namespace tz {

// A program that a signal may end while it writes (the command line's export) removes the
// named temporary file of the save in progress first: on SIGTERM, SIGHUP and SIGINT the file
// goes, then the signal ends the program as it would have.
void removeUnfinishedFileOnSignals();

// The temporary file that a signal is to remove, from when it has a name until it has
// replaced its file or is gone; one at a time.
void markUnfinishedFile(const QByteArray& path);
void forgetUnfinishedFile();

} // namespace tz
