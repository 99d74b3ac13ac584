#pragma once

#include "docgen/docmodel.h"
#include "docgen/pagination.h"

#include <QIODevice>

namespace tz {

// The document model as an OpenDocument text (ODT): A4 with the margins, the approval and
// title sheets on a page style without a number, the others numbered at the top, heading
// styles with outline levels, a contents index whose body holds the page numbers. False when
// the package could not be written.
bool writeOdt(const DocModel& model, const Pagination& pages, QIODevice& device);

} // namespace tz
