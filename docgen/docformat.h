#pragma once

#include "docgen/docmodel.h"
#include "docgen/documentcontent.h"
#include "docgen/pagination.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>
#include <span>

namespace tz {

// DOC is the RTF document under another name.
enum class DocFormat { Doc, Html, Rtf, Pdf, Odt, Docx };

// Writes a document model with its pages as the format's file.
using ModelWriter = bool (*)(const DocModel& model, const Pagination& pages, QIODevice& device);

// One format the document is saved in. The table of them drives the document page's
// choices, export's --format and its help, the file names and the dialogs' filters; adding
// a format is a row here and its writer.
struct DocFormatRow {
    DocFormat id;
    QStringView suffix;
    // The document page's choice: its object name and caption; the extended mode's formats
    // are offered there in that mode only.
    const char* choice;
    QStringView caption;
    bool extendedOnly;
    // The usual document's writer mode (see docwriter.h).
    int docMode;
    // Set with fonts, which takes a QGuiApplication.
    bool needsFonts;
    ModelWriter writeModel;
    // Writes the usual document from its operations as they come, without a model; null
    // when the format is written from the model of those operations.
    bool (*writeOperations)(QIODevice& device, const DocumentInputs& inputs);
};

// Every format, in the order the document page offers them.
std::span<const DocFormatRow> docFormats();
const DocFormatRow& formatRow(DocFormat format);

// The save dialog's filter ("description|pattern|...") and default extension.
QString docFilter(DocFormat format);
QString docSuffix(DocFormat format);
// The suffixes of every format joined by the separator: "doc|html|…".
QString docSuffixes(const QString& separator);

// A format by its suffix, in any letter case.
std::optional<DocFormat> docFormatNamed(const QString& name);
// From a file name ending in a format's suffix, or ".htm", in any letter case.
std::optional<DocFormat> docFormatOfPath(const QString& path);

// Writes the document to the device as it is made: the usual one through the document
// operations, the extended one from its model. False when writing failed.
bool writeDocument(QIODevice& device, DocFormat format, const DocumentInputs& inputs);
// The same as bytes in memory.
QByteArray documentBytes(DocFormat format, const DocumentInputs& inputs);

// Writes the document into the file, replacing its content atomically: when writing fails,
// an earlier file stays as it was. False on failure, its error number in error.
bool saveDocument(const QString& path, DocFormat format, const DocumentInputs& inputs,
                  int* error = nullptr);

// The message for a document that could not be written; with the error number, it says
// why.
QString documentSaveError(const QString& path, int error = 0);
// The message for a document whose file is the project's, under whatever name.
QString documentOverProjectError(const QString& projectPath);

} // namespace tz
