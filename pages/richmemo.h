#pragma once

#include <QStringList>
#include <QTextBrowser>

// The read-only text box of the introduction pages: tooltip-coloured background, a
// vertical scroll bar, fixed lines, and the web and e-mail addresses in them as links.
class RichMemo : public QTextBrowser {
    Q_OBJECT
public:
    RichMemo(const QString& objectName, QWidget* parent);
    // Shows the lines exactly; every occurrence of a given address becomes a link.
    void setLines(const QStringList& lines, const QStringList& webAddresses,
                  const QStringList& emailAddresses);

Q_SIGNALS:
    // A link was clicked; the text is the address it opens.
    void urlClicked(const QString& url);
};
