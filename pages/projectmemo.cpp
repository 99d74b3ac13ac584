#include "pages/projectmemo.h"

#include <QMimeData>

namespace {

qsizetype longestLine(QStringView text) {
    qsizetype longest = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'\n' || text[i] == u'\r') {
            longest = qMax(longest, i - start);
            start = i + 1;
        }
    }
    return longest;
}

} // namespace

void ProjectMemo::unwrapForLongLines(QStringView text) {
    if (lineWrapMode() != NoWrap && longestLine(text) > kLongestWrappedLine)
        setLineWrapMode(NoWrap);
}

void ProjectMemo::setProjectText(const QString& text) {
    unwrapForLongLines(text);
    setPlainText(text);
}

void ProjectMemo::insertFromMimeData(const QMimeData* source) {
    if (source->hasText())
        unwrapForLongLines(source->text());
    QPlainTextEdit::insertFromMimeData(source);
}
