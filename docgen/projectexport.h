#pragma once

#include "docgen/docformat.h"
#include "docgen/documentcontent.h"

#include <QString>
#include <QStringList>

namespace tz {

// The document's values as the wizard's pages would show them for this project text.
DocumentInputs documentInputsOf(const QStringList& projectText, bool extended);

struct ExportOptions {
    // The document as the wizard's extended mode makes it: with the company and the menu tree.
    bool extended = false;
    // Where to say, when the document was made, that it shows the project otherwise than the
    // file has it (a menu tree deeper than the editor allows).
    QString* notice = nullptr;
};

// Builds the document of a project file and writes it to the output without touching the
// project. The format is a suffix of the format table; empty takes it from the output's
// extension. Only the blocks the document takes are read from the file. Returns the
// message for the user on failure, an empty string on success.
QString exportDocument(const QString& projectPath, const QString& outputPath,
                       const QString& formatName, const ExportOptions& options = {});

} // namespace tz
