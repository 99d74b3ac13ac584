#pragma once

#include <QStringList>

#include <array>

namespace tz {

// Where a list of lines is stored: the list's storage and that of its first and last lines.
// Together with its length, these tell a list that was left as it was from one that was
// replaced or changed since, without reading its lines.
using ListMarks = std::array<const void*, 3>;

inline ListMarks marksOf(const QStringList& lines) {
    return {lines.constData(), lines.isEmpty() ? nullptr : lines.constFirst().constData(),
            lines.isEmpty() ? nullptr : lines.constLast().constData()};
}

} // namespace tz
