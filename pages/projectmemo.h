#pragma once

#include <QPlainTextEdit>

// A memo for project values. Wrapping a line of hundreds of thousands of characters takes
// Qt minutes, so a memo that is given such a line shows it unwrapped instead.
class ProjectMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr qsizetype kLongestWrappedLine = 10000;

    using QPlainTextEdit::QPlainTextEdit;
    void setProjectText(const QString& text);

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    void unwrapForLongLines(QStringView text);
};
