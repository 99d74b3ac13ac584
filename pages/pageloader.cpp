#include "pages/pageloader.h"

#include "app/tfrmmain.h"
#include "pages/projectmemo.h"
#include "project/projecttext.h"
#include "project/valueescape.h"

#include <QLineEdit>
#include <QPlainTextEdit>

void loadFields(TfrmMain& main, const QList<FieldBinding>& bindings) {
    main.Loading = true;
    for (const FieldBinding& binding : bindings) {
        QStringList lines = tz::valueLines(main.ProjectText, binding.key);
        for (QString& line : lines)
            line = tz::unescapeValueLines(line);
        if (auto* edit = std::get_if<QLineEdit*>(&binding.field)) {
            (*edit)->setText(lines.isEmpty() ? QString() : lines.constLast());
            continue;
        }
        auto* memo = std::get<QPlainTextEdit*>(binding.field);
        auto* projectMemo = qobject_cast<ProjectMemo*>(memo);
        // A memo that already shows the text keeps it, with its caret and undo steps: a
        // long text is not laid out again at every page change.
        const QString joined = lines.size() == 1 ? lines.constFirst() : lines.join(u"\r\n");
        if (projectMemo && projectMemo->projectText() == joined)
            continue;
        QString text = lines.join(u'\n');
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (projectMemo)
            projectMemo->setProjectText(text);
        else
            memo->setPlainText(text);
    }
    main.Loading = false;
}
