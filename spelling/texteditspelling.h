#pragma once

#include <QObject>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

class QPlainTextEdit;

namespace tz {

class SpellService;

// The underline and the menu of a QPlainTextEdit. Not a QSyntaxHighlighter: that one
// highlights again inside an edit block of the document, which the document reports as a
// change of the text, and every page would then take its memo for edited. Here the formats of
// a block's layout are set and the layout told, which changes neither the text nor its
// signals.
class TextEditSpelling : public QObject {
public:
    TextEditSpelling(QPlainTextEdit* edit, SpellService& service);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void contentsChanged(int position, int removed, int added);
    void lookAtVisibleBlocks();
    // Sets the block's underlines from the verdicts known; false when words wait for one.
    bool underline(const QTextBlock& block);
    void replace(const QTextBlock& block, int start, int length, const QString& by);

    QPlainTextEdit* m_edit;
    SpellService& m_service;
    QTimer m_visible; // a look at the blocks in view, once the events of the moment are done
};

} // namespace tz
