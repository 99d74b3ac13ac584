#include "pages/richmemo.h"

RichMemo::RichMemo(const QString& objectName, QWidget* parent) : QTextBrowser(parent) {
    setObjectName(objectName);
    setReadOnly(true);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptDrops(false);
    QPalette p = palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
    setPalette(p);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { Q_EMIT urlClicked(url.toString()); });
}

void RichMemo::setLines(const QStringList& lines, const QStringList& webAddresses,
                        const QStringList& emailAddresses) {
    QStringList html;
    for (const QString& line : lines) {
        QString escaped = line.toHtmlEscaped();
        for (const QString& web : webAddresses)
            escaped.replace(web.toHtmlEscaped(), QStringLiteral("<a href=\"%1\">%1</a>").arg(web));
        for (const QString& mail : emailAddresses)
            escaped.replace(mail.toHtmlEscaped(),
                            QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(mail));
        html.append(escaped);
    }
    setHtml(QStringLiteral("<div style=\"white-space: pre-wrap\">") +
            html.join(QStringLiteral("<br>")) + QStringLiteral("</div>"));
}
