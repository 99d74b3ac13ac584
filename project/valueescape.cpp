#include "project/valueescape.h"

namespace tz {
namespace {

bool isBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

// The point at the position is where a line's run of "\" ends.
bool pointEndsLeadingBackslashes(QStringView text, qsizetype point) {
    qsizetype i = point;
    while (i > 0 && text[i - 1] == u'\\')
        --i;
    return i == 0 || isBreak(text[i - 1]);
}

} // namespace

bool anyLineNeedsEscape(QStringView text) {
    // Searching for the point alone is vectorised; long texts have few points.
    for (qsizetype i = text.indexOf(u'.'); i >= 0; i = text.indexOf(u'.', i + 1)) {
        if (pointEndsLeadingBackslashes(text, i))
            return true;
    }
    return false;
}

QString escapeValueLines(const QString& text) {
    if (!anyLineNeedsEscape(text))
        return text;
    QString out;
    out.reserve(text.size() + 16);
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isBreak(text[end]))
            ++end;
        qsizetype backslashes = start;
        while (backslashes < end && text[backslashes] == u'\\')
            ++backslashes;
        if (backslashes < end && text[backslashes] == u'.')
            out.append(u'\\');
        out.append(QStringView(text).sliced(start, end - start));
        if (end == text.size())
            break;
        qsizetype next = end + 1;
        if (text[end] == u'\r' && next < text.size() && text[next] == u'\n')
            ++next;
        out.append(QStringView(text).sliced(end, next - end));
        start = next;
    }
    return out;
}

bool isEscapedLine(QStringView line) {
    qsizetype i = 0;
    while (i < line.size() && line[i] == u'\\')
        ++i;
    return i > 0 && i < line.size() && line[i] == u'.';
}

QString unescapeValueLines(const QString& entry) {
    if (!anyLineNeedsEscape(entry))
        return entry;
    QString out;
    out.reserve(entry.size());
    for (qsizetype start = 0; start <= entry.size();) {
        qsizetype end = start;
        while (end < entry.size() && !isBreak(entry[end]))
            ++end;
        const QStringView line = QStringView(entry).sliced(start, end - start);
        out.append(isEscapedLine(line) ? line.sliced(1) : line);
        if (end == entry.size())
            break;
        qsizetype next = end + 1;
        if (entry[end] == u'\r' && next < entry.size() && entry[next] == u'\n')
            ++next;
        out.append(QStringView(entry).sliced(end, next - end));
        start = next;
    }
    return out;
}

} // namespace tz
