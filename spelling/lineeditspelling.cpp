#include "spelling/lineeditspelling.h"

#include "spelling/spellcheck.h"
#include "spelling/spellformat.h"
#include "spelling/spellmenu.h"
#include "spelling/spellservice.h"
#include "spelling/spellwords.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTextCharFormat>

#include <memory>

namespace tz {

LineEditSpelling::LineEditSpelling(QLineEdit* edit, SpellService& service)
    : QObject(edit), m_edit(edit), m_service(service) {
    m_later.setSingleShot(true);
    m_later.setInterval(0);
    connect(&m_later, &QTimer::timeout, this, &LineEditSpelling::underline);
    connect(edit, &QLineEdit::textChanged, &m_later, qOverload<>(&QTimer::start));
    connect(&service, &SpellService::checked, &m_later, qOverload<>(&QTimer::start));
    edit->installEventFilter(this);
    m_later.start();
}

void LineEditSpelling::underline() {
    if (m_composing || m_edit->isReadOnly())
        return;
    QList<QInputMethodEvent::Attribute> attributes;
    if (m_service.isAvailable()) {
        const QTextCharFormat format = misspelledFormat();
        const QString text = m_edit->text();
        const int cursor = m_edit->cursorPosition();
        for (const WordSpan& word : checkedWords(text)) {
            if (m_service.verdict(text.mid(word.start, word.length)) ==
                SpellService::Verdict::Misspelled)
                // The line edit counts a format's start from the cursor.
                attributes.append({QInputMethodEvent::TextFormat, int(word.start) - cursor,
                                   int(word.length), format});
        }
    }
    QInputMethodEvent event(QString(), attributes);
    m_sending = true;
    QCoreApplication::sendEvent(m_edit, &event);
    m_sending = false;
}

bool LineEditSpelling::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::InputMethod && !m_sending) {
        m_composing = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
        m_later.start();
        return false;
    }
    if (event->type() != QEvent::ContextMenu || m_edit->isReadOnly() || !m_service.isAvailable())
        return false;
    auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    const int position = menuEvent->reason() == QContextMenuEvent::Mouse
                             ? m_edit->cursorPositionAt(menuEvent->pos())
                             : m_edit->cursorPosition();
    const QString text = m_edit->text();
    for (const WordSpan& word : checkedWords(text)) {
        if (position < word.start || position > word.start + word.length)
            continue;
        const QString spelled = text.mid(word.start, word.length);
        if (m_service.isCorrect(spelled))
            return false;
        std::unique_ptr<QMenu> menu(m_edit->createStandardContextMenu());
        addSpellActions(menu.get(), m_service, spelled, [&](const QString& by) {
            m_edit->setSelection(int(word.start), int(word.length));
            m_edit->insert(by);
        });
        menu->exec(menuEvent->globalPos());
        return true;
    }
    return false;
}

void attachSpellCheck(QLineEdit* edit, SpellService& service) {
    new LineEditSpelling(edit, service);
}

void attachSpellCheck(QLineEdit* edit) {
    attachSpellCheck(edit, SpellService::instance());
}

} // namespace tz
