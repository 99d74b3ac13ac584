#pragma once

#include "docgen/documentcontent.h"

#include <QString>
#include <QStringList>

namespace tz {

// The document's values as the wizard's title page would show them for this project text.
DocumentInputs documentInputsOf(const QStringList& projectText);

// Builds the document of a project file and writes it to the output without touching the
// project. The format is "html", "rtf" or "doc"; empty takes it from the output's extension.
// Only the blocks the document takes are read from the file. Returns the message for the
// user on failure, an empty string on success.
QString exportDocument(const QString& projectPath, const QString& outputPath,
                       const QString& formatName);

} // namespace tz
