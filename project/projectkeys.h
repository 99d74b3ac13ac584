#pragma once

#include "project/projectfields.h"

#include <QString>

#include <algorithm>
#include <array>

namespace tz::keys {

// The keys of the blocks that are not values of the field table.
inline const QString ProjectUID = QStringLiteral(".ProjectUID");
inline const QString Structure = QStringLiteral(".Structure");
inline const QString Menu = QStringLiteral(".Menu");
inline const QString NewTitle = QStringLiteral(".NewTitle");
inline const QString Finish = QStringLiteral(".Finish");

inline constexpr std::array<QStringView, 5> fixed = {u".ProjectUID", u".Structure", u".Menu",
                                                     u".NewTitle", u".Finish"};
// Their places in fixed.
enum FixedKey : std::size_t { ProjectUIDKey, StructureKey, MenuKey, NewTitleKey, FinishKey };

inline bool same(QStringView line, QStringView key) {
    return line.size() == key.size() && line.compare(key, Qt::CaseInsensitive) == 0;
}

// Key lines begin with "." and are no longer than the longest key, so that only such
// lines need to be compared, or even decoded.
template <typename Pick> constexpr qsizetype keyLength(Pick pick) {
    qsizetype length = fixed.front().size();
    for (const QStringView key : fixed)
        length = pick(length, key.size());
    for (const ProjectField& field : kFields)
        length = pick(length, field.key.size());
    return length;
}
inline constexpr qsizetype shortestKey =
    keyLength([](qsizetype a, qsizetype b) { return std::min(a, b); });
inline constexpr qsizetype longestKey =
    keyLength([](qsizetype a, qsizetype b) { return std::max(a, b); });

inline bool mayBeKey(QStringView line) {
    return line.size() >= shortestKey && line.size() <= longestKey && line.at(0) == u'.';
}

// The form of every key, of this version or of another: "." and ASCII letters only. A line
// of another form cannot be a key, whatever it begins with. Works on bytes and on text alike.
template <typename View> bool hasKeyForm(View line) {
    if (line.size() < 2 || line[0] != u'.')
        return false;
    return std::all_of(line.begin() + 1, line.end(),
                       [](auto c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
}

// Where a value's lines end: the pages' reading rule takes them up to a line that begins
// with "."; the extended mode only up to one that may be a key.
inline bool endsValueLines(QStringView line, bool extended) {
    return extended ? hasKeyForm(line) : line.startsWith(u'.');
}

} // namespace tz::keys
