#pragma once

#include <QtGlobal>

namespace tz::limits {

// The largest project file the wizard and export open. Far above the largest projects in
// use (the benchmarks' 100 MiB), and refused before it is read: the wizard holds about
// five times a file's bytes while it works on it.
inline constexpr qint64 kProjectBytes = qint64(512) << 20;

// Each line of a project costs the wizard about sixty bytes more than its text, so a file of
// empty lines would need twenty-four times its size: a project has at most this many lines.
inline constexpr qsizetype kProjectLines = 20'000'000;

} // namespace tz::limits
