#pragma once

#include "docgen/docbuffer.h"
#include "docgen/documentcontent.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tz {

// DOC is the RTF document under another name; PDF and ODT are the rich-text document laid
// out on pages.
enum class DocFormat { Html, Rtf, Doc, Pdf, Odt };

// Lays the built rich-text buffer out as a PDF or ODT file's bytes. That takes QtGui, which
// this library does not link: the writer comes from the caller (docgen/pageddocument.h).
using PagedWriter = QByteArray (*)(const DocBuffer& doc, DocFormat format);

bool isPagedFormat(DocFormat format);

// The writer's mode for a format.
int docModeOf(DocFormat format);
// The save dialog's filter ("description|pattern|...") and default extension.
QString docFilter(DocFormat format);
QString docSuffix(DocFormat format);

// "html", "rtf", "doc", "pdf" or "odt", in any letter case.
std::optional<DocFormat> docFormatNamed(const QString& name);
// From a file name ending in ".html", ".htm", ".rtf", ".doc", ".pdf" or ".odt", in any
// letter case.
std::optional<DocFormat> docFormatOfPath(const QString& path);

// Sets DocMode for the format, builds the document into the buffer and returns the
// file's bytes; the paged formats need the paged writer, and give no bytes for a document
// that does not fit on pages.
QByteArray renderDocument(DocBuffer& doc, DocFormat format, const DocumentInputs& inputs,
                          PagedWriter paged = nullptr);

// Replaces the file's content atomically: when writing fails, an earlier file stays as
// it was. False on failure, and for no bytes: a document that could not be made.
bool saveDocumentFile(const QString& path, const QByteArray& bytes);

// Laying a document out on pages takes Qt's text engine some two microseconds and a hundred
// bytes a character, and a paragraph of more than sixty million characters makes it fail:
// PDF and ODT are made of documents of at most this many characters.
inline constexpr qsizetype kMostPagedCharacters = 10'000'000;
bool fitsOnPages(const DocBuffer& doc);

// The message for a document built into the buffer that could not be made or written.
QString documentSaveError(const QString& path, const DocBuffer& doc, DocFormat format);

} // namespace tz
