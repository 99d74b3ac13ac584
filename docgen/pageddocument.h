#pragma once

#include "docgen/docbuffer.h"
#include "docgen/docformat.h"

#include <QByteArray>

namespace tz {

// The rich-text buffer on A4 pages, laid out by Qt's text engine: one paragraph per line in
// its font, size, colour and boldness, the page number at the top of every page above the
// text. A QGuiApplication must exist.
QByteArray pdfBytes(const DocBuffer& doc);
QByteArray odtBytes(const DocBuffer& doc);

// The PagedWriter of renderDocument.
QByteArray pagedDocumentBytes(const DocBuffer& doc, DocFormat format);

} // namespace tz
