#pragma once

#include "docgen/docbuffer.h"
#include "docgen/docmodel.h"
#include "docgen/outputstream.h"
#include "docgen/pagination.h"

#include <QByteArray>
#include <QString>

namespace tz {

// The text with "&", "<", ">" and '"' as entities and every character Windows-1251
// cannot hold as a numeric character reference; line breaks stay. The text itself when it
// has none of them.
QString escapeHtmlText(const QString& text);

// The document operations' HTML written out as it comes: every line, and every line break
// inside one, ends with CR LF; Windows-1251.
class HtmlStream : public DocSink {
public:
    explicit HtmlStream(OutputStream& out) : m_out(out) {}
    void append(QStringView text) override;

private:
    OutputStream& m_out;
};

QByteArray htmlBytes(const DocBuffer& doc);

// The document model as an HTML page: its sheets one after another, the contents linked to
// the headings; Windows-1251.
void writeHtml(const DocModel& model, const Pagination& pages, OutputStream& out);

} // namespace tz
