#pragma once

#include "docgen/docmodel.h"
#include "docgen/documentcontent.h"
#include "docgen/pagination.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

namespace tz {

// DOC is the RTF document under another name.
enum class DocFormat { Html, Rtf, Doc, Pdf, Odt, Docx };

// Sets a document model as a PDF. That takes QtGui, which this library does not link: the
// writer comes from the caller (docgen/pageddocument.h).
using PdfWriter = bool (*)(const DocModel& model, const Pagination& pages, QIODevice& device);

// PDF is set with fonts, which takes a QGuiApplication.
bool needsFonts(DocFormat format);

// The writer's mode for a format.
int docModeOf(DocFormat format);
// The save dialog's filter ("description|pattern|...") and default extension.
QString docFilter(DocFormat format);
QString docSuffix(DocFormat format);

// "html", "rtf", "doc", "pdf", "odt" or "docx", in any letter case.
std::optional<DocFormat> docFormatNamed(const QString& name);
// From a file name ending in ".html", ".htm", ".rtf", ".doc", ".pdf", ".odt" or ".docx", in
// any letter case.
std::optional<DocFormat> docFormatOfPath(const QString& path);

// Sets DocMode for the format and writes the document to the device as it is made: the
// usual one through the document operations, the extended one from its model. False when
// writing failed.
bool writeDocument(QIODevice& device, DocFormat format, const DocumentInputs& inputs,
                   PdfWriter pdf = nullptr);
// The same as bytes in memory.
QByteArray documentBytes(DocFormat format, const DocumentInputs& inputs, PdfWriter pdf = nullptr);

// Writes the document into the file, replacing its content atomically: when writing fails,
// an earlier file stays as it was. False on failure.
bool saveDocument(const QString& path, DocFormat format, const DocumentInputs& inputs,
                  PdfWriter pdf = nullptr);

// The message for a document that could not be written.
QString documentSaveError(const QString& path);

} // namespace tz
