#include "pages/projectmemo.h"

#include "pages/memotext.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

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

// QString::replace moves the rest of the text at every line of a growing replacement.
QString withCrLf(QStringView text) {
    QString out;
    out.reserve(text.size() + text.count(u'\n'));
    qsizetype start = 0;
    for (qsizetype end = text.indexOf(u'\n'); end >= 0; end = text.indexOf(u'\n', start)) {
        out += text.sliced(start, end - start);
        out += QLatin1String("\r\n");
        start = end + 1;
    }
    out += text.sliced(start);
    return out;
}

bool isLineBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

} // namespace

ProjectMemo::ProjectMemo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChange, this, &ProjectMemo::contentsChanged);
}

void ProjectMemo::unwrapForLongLines(QStringView text) {
    if (lineWrapMode() != NoWrap && longestLine(text) > kLongestWrappedLine)
        setLineWrapMode(NoWrap);
}

void ProjectMemo::setProjectText(const QString& text) {
    const qsizetype lines = text.count(u'\n') + 1;
    m_unshown = lines > kMostLinesShown;
    setReadOnly(m_unshown);
    if (m_unshown) {
        setPlainText(QStringLiteral("Этот текст в задании занимает %1 строк: мастер не "
                                    "показывает и не правит такой длинный текст, в задании он "
                                    "остаётся без изменений.")
                         .arg(QLocale(QLocale::Russian).toString(lines)));
        m_text = withCrLf(text);
        return;
    }
    unwrapForLongLines(text);
    setPlainText(text);
}

// Shift+Enter starts a new line as Enter does.
void ProjectMemo::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        QKeyEvent enter(event->type(), Qt::Key_Return, Qt::NoModifier);
        QPlainTextEdit::keyPressEvent(&enter);
        event->setAccepted(enter.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ProjectMemo::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString text = source->text();
    unwrapForLongLines(text);
    QMimeData lines;
    lines.setText(text.replace(QChar::LineSeparator, u'\n'));
    QPlainTextEdit::insertFromMimeData(&lines);
}

void ProjectMemo::readWhole() {
    m_text = memoText(this);
    m_lineSeparators = document()->toRawText().contains(QChar::LineSeparator);
}

// Each line break of the document is one character there and CR LF here. A change that
// reaches the document's final paragraph separator, as replacing the whole text does, is
// taken by reading the whole text again.
void ProjectMemo::contentsChanged(int position, int removed, int added) {
    if (m_unshown)
        return;
    const QTextDocument* doc = document();
    if (m_lineSeparators || position < 0 || position + added > doc->characterCount() - 1) {
        readWhole();
        return;
    }
    const qsizetype start = position + doc->findBlock(position).blockNumber();
    qsizetype end = start;
    for (int i = 0; i < removed; ++i) {
        if (end >= m_text.size()) {
            readWhole();
            return;
        }
        end += m_text.at(end) == u'\r' && end + 1 < m_text.size() && m_text.at(end + 1) == u'\n'
                   ? 2
                   : 1;
    }
    QString inserted;
    if (added > 0) {
        QTextCursor cursor(document());
        cursor.setPosition(position);
        cursor.setPosition(position + added, QTextCursor::KeepAnchor);
        const QString selected = cursor.selectedText();
        inserted.reserve(selected.size() + selected.count(QChar::ParagraphSeparator));
        for (const QChar c : selected) {
            if (isLineBreak(c))
                inserted += QLatin1String("\r\n");
            else
                inserted += c;
        }
        m_lineSeparators = selected.contains(QChar::LineSeparator);
    }
    m_text.replace(start, end - start, inserted);
}
