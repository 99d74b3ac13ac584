#pragma once

#include "docgen/docbuffer.h"

#include <QByteArray>
#include <QString>

namespace tz {

// The text with "&", "<", ">" and '"' as entities and every character Windows-1251
// cannot hold as a numeric character reference; line breaks stay.
QString escapeHtmlText(const QString& text);

// The buffer as an HTML file: every line, and every line break inside one, ends with CR LF;
// Windows-1251.
QByteArray htmlBytes(const DocBuffer& doc);

} // namespace tz
