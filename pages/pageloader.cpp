#include "pages/pageloader.h"

#include "app/tfrmmain.h"
#include "pages/projectmemo.h"

#include <QLineEdit>
#include <QPlainTextEdit>

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

} // namespace

void loadFields(TfrmMain& main, const QList<FieldBinding>& bindings) {
    const bool wasLoading = std::exchange(main.Loading, true);
    for (const FieldBinding& binding : bindings) {
        const QString& value = *binding.value;
        if (auto* edit = std::get_if<QLineEdit*>(&binding.field)) {
            (*edit)->setText(value);
            continue;
        }
        auto* memo = std::get<QPlainTextEdit*>(binding.field);
        auto* projectMemo = qobject_cast<ProjectMemo*>(memo);
        // A memo that already shows the text keeps it, with its caret and undo steps: a
        // long text is not laid out again at every page change.
        if (projectMemo && projectMemo->projectText() == value)
            continue;
        QString text = withoutCarriageReturns(value);
        if (projectMemo)
            projectMemo->setProjectText(text);
        else
            memo->setPlainText(text);
    }
    main.Loading = wasLoading;
}
