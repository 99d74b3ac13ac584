#pragma once

#include <QString>
#include <QStringView>

namespace tz {

// A value line that begins with "." would read as the end of its block (and as a key, when it
// spells one). Such a line is written with a "\" before it, and so is a line that begins with
// "\"s followed by "." so that it reads back as typed; reading takes that one "\" off again.
// Every other line is written as it is, so a project without such lines keeps its bytes.
// Lines end at CR and LF alike, as when a file is read.

bool anyLineNeedsEscape(QStringView text);
// The text itself when no line needs it.
QString escapeValueLines(const QString& text);
// Each line of an entry as written back into what was typed: after a rewrite, a value of
// several lines is one entry of the project text.
QString unescapeValueLines(const QString& entry);
bool isEscapedLine(QStringView line);

} // namespace tz
