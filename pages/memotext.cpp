#include "pages/memotext.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString memoText(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
}
