#pragma once

#include "docgen/docmodel.h"
#include "docgen/pagination.h"

#include <QIODevice>

namespace tz {

// The document model as a PDF: every line set where the pagination puts it, so that the
// contents' page numbers are the pages'; the number at the top of every page that shows one.
// Needs a QGuiApplication for the fonts. False when the file could not be written.
bool writePdf(const DocModel& model, const Pagination& pages, QIODevice& device);

} // namespace tz
