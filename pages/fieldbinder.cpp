#include "pages/fieldbinder.h"

#include "pages/memotext.h"
#include "pages/projectmemo.h"
#include "project/projectfields.h"
#include "project/projectsession.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace {

// The memo's line breaks, in one pass: QString::replace moves the rest of the text again
// every few hundred matches: 20 s for a value of ten million lines.
QString withoutCarriageReturns(QString text) {
    QChar* out = text.data();
    const QChar* const end = out + text.size();
    for (const QChar* in = out; in != end; ++in) {
        if (*in == u'\r' && in + 1 != end && in[1] == u'\n')
            continue;
        *out++ = *in;
    }
    text.truncate(out - text.constData());
    return text;
}

// Removes the leading "." of every line of the memo in place, keeping the caret.
void stripMemoLineDots(QPlainTextEdit* memo) {
    QTextCursor cursor(memo->document());
    cursor.beginEditBlock();
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        qsizetype dots = 0;
        while (dots < line.size() && line.at(dots) == u'.')
            ++dots;
        if (dots == 0)
            continue;
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + int(dots), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
}

QString shownValue(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* memo = qobject_cast<ProjectMemo*>(widget))
        return memo->projectText();
    return memoText(static_cast<QPlainTextEdit*>(widget));
}

// The same storage is the same text: a long memo is not compared character by character.
bool same(const QString& a, const QString& b) {
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

} // namespace

FieldBinder::FieldBinder(tz::ProjectSession& session, QWidget* page)
    : QObject(page), m_session(session) {
    page->installEventFilter(this);
    connect(&session, &tz::ProjectSession::replaced, this, &FieldBinder::load);
    connect(&session.model(), &tz::ProjectModel::valueChanged, this, &FieldBinder::refresh);
}

template <typename Widget, typename Changed>
void FieldBinder::bindWidget(Widget* widget, QString tz::ProjectValues::*member, Changed changed) {
    m_bindings.append({widget, member, {}});
    show(m_bindings.constLast());
    connect(widget, changed, this, [this, widget] {
        if (!m_loading)
            store(*bindingOf(widget));
    });
}

void FieldBinder::bind(QLineEdit* edit, QString tz::ProjectValues::*member) {
    bindWidget(edit, member, &QLineEdit::textChanged);
}

void FieldBinder::bind(QPlainTextEdit* memo, QString tz::ProjectValues::*member) {
    bindWidget(memo, member, &QPlainTextEdit::textChanged);
}

void FieldBinder::bind(std::function<void()> load) {
    m_bindings.append({nullptr, nullptr, std::move(load)});
    show(m_bindings.constLast());
}

void FieldBinder::rebind(QPlainTextEdit* memo, QString tz::ProjectValues::*member) {
    for (Binding& binding : m_bindings) {
        if (binding.widget == memo) {
            binding.member = member;
            show(binding);
        }
    }
}

std::function<void()> FieldBinder::stored(std::function<void()> store) {
    return [this, store = std::move(store)] {
        if (!m_loading)
            store();
    };
}

void FieldBinder::load() {
    for (const Binding& binding : m_bindings)
        show(binding);
}

bool FieldBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && !event->spontaneous() && watched == parent())
        load();
    return QObject::eventFilter(watched, event);
}

const FieldBinder::Binding* FieldBinder::bindingOf(QWidget* widget) const {
    for (const Binding& binding : m_bindings) {
        if (binding.widget == widget)
            return &binding;
    }
    return nullptr;
}

void FieldBinder::store(const Binding& binding) {
    m_session.setValue(binding.member, shownValue(binding.widget));
    // The model keeps the value as its field does: the widget shows it so, also when the
    // model held it already (a "." typed before an empty title).
    refresh(tz::fieldOf(binding.member));
}

void FieldBinder::show(const Binding& binding) {
    const bool wasLoading = std::exchange(m_loading, true);
    if (binding.load) {
        binding.load();
    } else {
        const QString& value = m_session.model().value(binding.member);
        if (auto* edit = qobject_cast<QLineEdit*>(binding.widget)) {
            if (edit->text() != value)
                edit->setText(value);
        } else if (auto* memo = qobject_cast<ProjectMemo*>(binding.widget)) {
            // A memo that already shows the text keeps it, with its caret and undo steps: a
            // long text is not laid out again at every page change.
            if (!same(memo->projectText(), value))
                memo->setProjectText(withoutCarriageReturns(value));
        } else {
            auto* plain = static_cast<QPlainTextEdit*>(binding.widget);
            if (memoText(plain) != value)
                plain->setPlainText(withoutCarriageReturns(value));
        }
    }
    m_loading = wasLoading;
}

void FieldBinder::refresh(const tz::ProjectField* field) {
    for (const Binding& binding : m_bindings) {
        if (!binding.widget || !field ||
            (binding.member != field->member && binding.member != field->second))
            continue;
        const QString shown = shownValue(binding.widget);
        const QString& value = m_session.model().value(binding.member);
        if (same(shown, value))
            continue;
        auto* memo = qobject_cast<QPlainTextEdit*>(binding.widget);
        if (memo && field->kept == tz::Kept::WithoutLeadingDots &&
            same(tz::keptValue(*field, shown), value)) {
            // Only the points the user typed at the lines' starts go, caret kept.
            const bool wasLoading = std::exchange(m_loading, true);
            stripMemoLineDots(memo);
            m_loading = wasLoading;
        } else {
            show(binding);
        }
    }
}
