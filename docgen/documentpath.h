#pragma once

#include "docgen/docformat.h"

#include <QString>

namespace tz {

// The path the document's save dialog proposes, with the extension of the chosen format:
// after a save, the folder and name of the document saved last (its old extension, when it
// is a document's, replaced); before that, the project file's folder and its name up to the
// first point. Empty while there is neither.
QString proposedDocumentPath(const QString& lastDocument, const QString& projectFile,
                             DocFormat format);

} // namespace tz
