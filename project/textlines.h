#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tz {

// Calls line() for every piece of the text that a line break (CR LF, lone CR or lone LF)
// ends, and returns the piece after the last break. Works on bytes and on text alike.
template <typename View, typename Line> View forEachEndedLine(View text, Line&& line) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        line(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return text.sliced(start);
}

// Calls line() for every line of the text, the last one too: an empty text is one empty
// line.
template <typename Line> void forEachLine(QStringView text, Line&& line) {
    line(forEachEndedLine(text, line));
}

// The lines of a text split at CR LF, lone CR and lone LF; an empty text is one empty line.
inline QStringList splitLines(QStringView text) {
    QStringList lines;
    lines.append(
        forEachEndedLine(text, [&](QStringView l) { lines.append(l.toString()); }).toString());
    return lines;
}

} // namespace tz
