#pragma once

#include "docgen/docmodel.h"
#include "docgen/pagination.h"

#include <QIODevice>

namespace tz {

// The document model as a Word document (DOCX): styles based on Word's Heading 1 to 3,
// A4 with the margins, the approval and title sheets in sections without numbers, the page
// number at the top of the others, a contents field whose result holds the page numbers.
// False when the package could not be written.
bool writeDocx(const DocModel& model, const Pagination& pages, QIODevice& device);

} // namespace tz
