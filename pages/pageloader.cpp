#include "pages/pageloader.h"

#include "app/tfrmmain.h"
#include "pages/projectmemo.h"
#include "project/projecttext.h"

#include <QLineEdit>
#include <QPlainTextEdit>

void loadFields(TfrmMain& main, const QList<FieldBinding>& bindings) {
    main.Loading = true;
    for (const FieldBinding& binding : bindings)
        std::visit([](auto* field) { field->clear(); }, binding.field);
    for (const FieldBinding& binding : bindings) {
        const QStringList lines = tz::valueLines(main.ProjectText, binding.key);
        if (auto* edit = std::get_if<QLineEdit*>(&binding.field)) {
            if (!lines.isEmpty())
                (*edit)->setText(lines.constLast());
        } else if (!lines.isEmpty()) {
            QString text = lines.join(u'\n');
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            auto* memo = std::get<QPlainTextEdit*>(binding.field);
            if (auto* projectMemo = qobject_cast<ProjectMemo*>(memo))
                projectMemo->setProjectText(text);
            else
                memo->setPlainText(text);
        }
    }
    main.Loading = false;
}
