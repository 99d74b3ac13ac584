#include "pages/pageloader.h"

#include "app/tfrmmain.h"
#include "pages/projectmemo.h"

#include <QLineEdit>
#include <QPlainTextEdit>

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
        QString text = value;
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (projectMemo)
            projectMemo->setProjectText(text);
        else
            memo->setPlainText(text);
    }
    main.Loading = wasLoading;
}
