#include "spelling/texteditspelling.h"

#include "spelling/spellcheck.h"
#include "spelling/spellformat.h"
#include "spelling/spellmenu.h"
#include "spelling/spellservice.h"
#include "spelling/spellwords.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace tz {
namespace {

// A change of more blocks than this (a pasted or loaded text) has only its first blocks
// checked at once.
constexpr int kMostBlocksAtOnce = 50;
// Of a longer line (shown unwrapped) only the part around the cursor, or its beginning, is
// checked: the whole of it at every keystroke would cost more than the keystroke.
constexpr int kLongestChecked = 20000;

} // namespace

TextEditSpelling::TextEditSpelling(QPlainTextEdit* edit, SpellService& service)
    : QObject(edit), m_edit(edit), m_service(service) {
    m_visible.setSingleShot(true);
    m_visible.setInterval(0);
    connect(&m_visible, &QTimer::timeout, this, &TextEditSpelling::lookAtVisibleBlocks);
    connect(edit->document(), &QTextDocument::contentsChange, this,
            &TextEditSpelling::contentsChanged);
    connect(&service, &SpellService::checked, &m_visible, qOverload<>(&QTimer::start));
    connect(edit->verticalScrollBar(), &QScrollBar::valueChanged, &m_visible,
            qOverload<>(&QTimer::start));
    edit->installEventFilter(this);
    edit->viewport()->installEventFilter(this);
    m_visible.start();
}

bool TextEditSpelling::underline(const QTextBlock& block) {
    QTextLayout* layout = block.layout();
    QList<QTextLayout::FormatRange> ranges;
    bool complete = true;
    if (m_service.isAvailable() && !m_edit->isReadOnly()) {
        const QString text = block.text();
        qsizetype from = 0;
        qsizetype to = text.size();
        if (text.size() > kLongestChecked) {
            const QTextCursor cursor = m_edit->textCursor();
            const qsizetype at = cursor.block() == block ? cursor.positionInBlock() : 0;
            from = qBound<qsizetype>(0, at - kLongestChecked / 2, text.size() - kLongestChecked);
            to = from + kLongestChecked;
        }
        const QStringView part = QStringView(text).sliced(from, to - from);
        const QTextCharFormat format = misspelledFormat();
        for (const WordSpan& word : checkedWords(part)) {
            // A word cut by the part's edge is not one.
            if ((word.start == 0 && from > 0) ||
                (word.start + word.length == part.size() && to < text.size()))
                continue;
            switch (m_service.verdict(part.sliced(word.start, word.length).toString())) {
            case SpellService::Verdict::Misspelled:
                ranges.append({int(from + word.start), int(word.length), format});
                break;
            case SpellService::Verdict::Unknown:
                complete = false;
                break;
            case SpellService::Verdict::Correct:
                break;
            }
        }
    }
    if (ranges != layout->formats()) {
        layout->setFormats(ranges);
        m_edit->document()->markContentsDirty(block.position(), block.length());
    }
    return complete;
}

// Within the document's own change, as QSyntaxHighlighter does: the layout takes the new
// formats with the new text, and the box is painted once. Blocks past the first ones of a
// large change are underlined when they come into view.
void TextEditSpelling::contentsChanged(int position, int removed, int added) {
    Q_UNUSED(removed);
    QTextBlock block = m_edit->document()->findBlock(position);
    const int end = position + added;
    for (int count = 0; block.isValid() && block.position() <= end; block = block.next()) {
        if (++count > kMostBlocksAtOnce) {
            m_visible.start();
            return;
        }
        underline(block);
    }
}

void TextEditSpelling::lookAtVisibleBlocks() {
    if (!m_edit->isVisible())
        return;
    const QWidget* viewport = m_edit->viewport();
    QTextBlock block = m_edit->cursorForPosition(QPoint(0, 0)).block();
    const QTextBlock last = m_edit->cursorForPosition(QPoint(0, viewport->height())).block();
    for (; block.isValid(); block = block.next()) {
        underline(block);
        if (block == last)
            break;
    }
}

void TextEditSpelling::replace(const QTextBlock& block, int start, int length, const QString& by) {
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + start);
    cursor.setPosition(block.position() + start + length, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(by);
    cursor.endEditBlock();
    m_edit->setTextCursor(cursor);
}

bool TextEditSpelling::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Resize && watched == m_edit->viewport()) ||
        (event->type() == QEvent::Show && watched == m_edit)) {
        m_visible.start();
        return false;
    }
    if (event->type() != QEvent::ContextMenu || m_edit->isReadOnly() || !m_service.isAvailable())
        return false;
    auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    QTextCursor at = m_edit->textCursor();
    if (menuEvent->reason() == QContextMenuEvent::Mouse) {
        const QPoint inViewport = watched == m_edit->viewport()
                                      ? menuEvent->pos()
                                      : m_edit->viewport()->mapFrom(m_edit, menuEvent->pos());
        at = m_edit->cursorForPosition(inViewport);
    }
    const QTextBlock block = at.block();
    const QString text = block.text();
    const int position = at.positionInBlock();
    for (const WordSpan& word : checkedWords(text)) {
        if (position < word.start || position > word.start + word.length)
            continue;
        const QString spelled = text.mid(word.start, word.length);
        if (m_service.isCorrect(spelled))
            return false;
        std::unique_ptr<QMenu> menu(m_edit->createStandardContextMenu());
        addSpellActions(menu.get(), m_service, spelled, [&](const QString& by) {
            replace(block, int(word.start), int(word.length), by);
        });
        menu->exec(menuEvent->globalPos());
        return true;
    }
    return false;
}

void attachSpellCheck(QPlainTextEdit* edit, SpellService& service) {
    new TextEditSpelling(edit, service);
}

void attachSpellCheck(QPlainTextEdit* edit) {
    attachSpellCheck(edit, SpellService::instance());
}

} // namespace tz
