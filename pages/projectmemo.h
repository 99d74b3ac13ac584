#pragma once

#include <QPlainTextEdit>

// A memo for project values. It keeps its whole text with the lines joined by CR LF, as
// the project holds it, up to date at every change, so that a keystroke in a long text
// does not copy and convert the whole text. Wrapping a line of hundreds of thousands of
// characters takes Qt minutes, so a memo that is given such a line shows it unwrapped.
// A text of more lines than Qt lays out in a moment (some three microseconds and three
// hundred bytes a line) is not shown: the memo says so, cannot be edited, and keeps the
// text as the project's value.
class ProjectMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr qsizetype kLongestWrappedLine = 10000;
    static constexpr qsizetype kMostLinesShown = 100000;

    explicit ProjectMemo(QWidget* parent = nullptr);
    // The memo's text with CR LF between its lines; no-break spaces are kept.
    const QString& projectText() const { return m_text; }
    void setProjectText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void unwrapForLongLines(QStringView text);
    void contentsChanged(int position, int removed, int added);
    void readWhole();

    QString m_text;
    // A line separator inside a paragraph is one character of the document but two here,
    // and a position can no longer be found from the paragraph's number. The memo enters
    // none itself; one that came in otherwise has the whole text read at each change.
    bool m_lineSeparators = false;
    bool m_unshown = false;
};
