#pragma once

#include <QString>

namespace tz {

// The longest file name, in bytes, that the file system of the folder takes.
qsizetype nameLimit(const QString& folder);

// True when the file name, with `room` bytes more, fits the limit.
bool fitsWithRoom(const QString& name, qsizetype room, qsizetype limit);

// The beginning of the name, cut at the end of a character, that fits the limit with `room`
// bytes more.
QString cutToFit(const QString& name, qsizetype room, qsizetype limit);

} // namespace tz
