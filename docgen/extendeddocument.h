#pragma once

#include "docgen/docmodel.h"
#include "docgen/documentcontent.h"

namespace tz {

// The extended mode's document: the approval sheet, the title sheet, the contents on a page
// of their own and the text, with every value of the project in it. Blank values give
// blank lines to fill in by hand.
DocModel extendedDocument(const DocumentInputs& inputs);

// The designation of the document and of its approval sheet ("… ТЗ 01", "… ТЗ 01-ЛУ"); a
// blank one is a line to fill in.
QString documentDesignation(const QString& designation);
QString approvalSheetDesignation(const QString& designation);

} // namespace tz
