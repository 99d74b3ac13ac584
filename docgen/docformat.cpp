#include "docgen/docformat.h"

#include "docgen/docwriter.h"
#include "docgen/docxwriter.h"
#include "docgen/extendeddocument.h"
#include "docgen/htmloutput.h"
#include "docgen/odtwriter.h"
#include "docgen/pageddocument.h"
#include "docgen/rtfoutput.h"
#include "project/atomicfile.h"

#include <QBuffer>
#include <QFileInfo>

namespace tz {
namespace {

bool htmlModel(const DocModel& model, const Pagination& pages, QIODevice& device) {
    OutputStream out(device);
    writeHtml(model, pages, out);
    return out.finish();
}

bool rtfModel(const DocModel& model, const Pagination& pages, QIODevice& device) {
    OutputStream out(device);
    writeRtf(model, pages, out);
    return out.finish();
}

bool htmlOperations(QIODevice& device, const DocumentInputs& inputs) {
    OutputStream out(device);
    HtmlStream html(out);
    BuildDocument(html, DocModeHtml, inputs);
    return out.finish();
}

bool rtfOperations(QIODevice& device, const DocumentInputs& inputs) {
    OutputStream out(device);
    RtfStream rtf(out, {docFontName()}, {ColourBlack});
    BuildDocument(rtf, DocModeRichText, inputs);
    rtf.finish();
    return out.finish();
}

constexpr DocFormatRow kFormats[] = {
    {DocFormat::Doc, u"doc", "selectDOC",
     u"Создать техническое задание в формате DOC (Microsoft Word)", false, DocModeRichText, false,
     rtfModel, rtfOperations},
    {DocFormat::Html, u"html", "selectHTML", u"Создать техническое задание в формате HTML", false,
     DocModeHtml, false, htmlModel, htmlOperations},
    {DocFormat::Rtf, u"rtf", "selectRTF", u"Создать техническое задание в формате RTF", false,
     DocModeRichText, false, rtfModel, rtfOperations},
    {DocFormat::Pdf, u"pdf", "selectPDF", u"Создать техническое задание в формате PDF", true,
     DocModeRichText, true, writePdf, nullptr},
    {DocFormat::Odt, u"odt", "selectODT",
     u"Создать техническое задание в формате ODT (LibreOffice)", true, DocModeRichText, false,
     writeOdt, nullptr},
    {DocFormat::Docx, u"docx", "selectDOCX",
     u"Создать техническое задание в формате DOCX (Microsoft Word 2007 и новее)", true,
     DocModeRichText, false, writeDocx, nullptr},
};

// Whether anything in the model shows a number that only the layout knows.
bool needsPageNumbers(const DocModel& model) {
    for (const Sheet& sheet : model.sheets) {
        for (const Block& b : sheet.blocks) {
            if (b.kind == BlockKind::Contents || b.field != Field::None)
                return true;
        }
    }
    return false;
}

bool writeModel(QIODevice& device, DocFormat format, const DocModel& model) {
    const Pagination pages = needsPageNumbers(model) ? paginate(model) : Pagination();
    return formatRow(format).writeModel(model, pages, device);
}

// The usual document for the formats of the model: each line of the rich text a paragraph
// with its size and boldness; a text of several lines stays one string, shared, not copied.
class ModelSink : public DocSink {
public:
    DocModel model{{}, {Sheet{}}};

    void append(QStringView text) override { add(paragraph(text.toString())); }
    void appendParagraphs(const QString& text) override { add(lines(text)); }

private:
    void add(Block b) {
        b.sizePt = current.sizePt;
        b.bold = current.bold;
        model.sheets.last().blocks.append(b);
    }
};

} // namespace

std::span<const DocFormatRow> docFormats() {
    return kFormats;
}

const DocFormatRow& formatRow(DocFormat format) {
    for (const DocFormatRow& row : kFormats) {
        if (row.id == format)
            return row;
    }
    Q_UNREACHABLE();
}

QString docFilter(DocFormat format) {
    return QStringLiteral("Документы %1|*.%1|Все файлы (*.*)|*.*").arg(docSuffix(format));
}

QString docSuffix(DocFormat format) {
    return formatRow(format).suffix.toString();
}

QString docSuffixes(const QString& separator) {
    QStringList suffixes;
    for (const DocFormatRow& row : kFormats)
        suffixes.append(row.suffix.toString());
    return suffixes.join(separator);
}

std::optional<DocFormat> docFormatNamed(const QString& name) {
    for (const DocFormatRow& row : kFormats) {
        if (name.compare(row.suffix, Qt::CaseInsensitive) == 0)
            return row.id;
    }
    return std::nullopt;
}

std::optional<DocFormat> docFormatOfPath(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return std::nullopt;
    const QString suffix = name.mid(dot + 1);
    if (suffix.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0)
        return DocFormat::Html;
    return docFormatNamed(suffix);
}

bool writeDocument(QIODevice& device, DocFormat format, const DocumentInputs& inputs) {
    if (inputs.extended)
        return writeModel(device, format, extendedDocument(inputs));
    const DocFormatRow& row = formatRow(format);
    if (row.writeOperations)
        return row.writeOperations(device, inputs);
    ModelSink sink;
    sink.model.properties = documentProperties(inputs);
    BuildDocument(sink, row.docMode, inputs);
    return writeModel(device, format, sink.model);
}

QByteArray documentBytes(DocFormat format, const DocumentInputs& inputs) {
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    return writeDocument(device, format, inputs) ? bytes : QByteArray();
}

bool saveDocument(const QString& path, DocFormat format, const DocumentInputs& inputs, int* error) {
    // A document of no bytes is one that could not be made.
    return writeFileAtomically(
        path,
        [&](QIODevice& file) { return writeDocument(file, format, inputs) && file.pos() > 0; },
        error);
}

QString documentSaveError(const QString& path, int error) {
    const QString message = QStringLiteral("Не удается сохранить документ в файл ") + path;
    return error ? message + QStringLiteral(": ") + writeFailureReason(error) : message;
}

QString documentOverProjectError(const QString& projectPath) {
    return QStringLiteral("Документ нельзя записать поверх файла проекта ") + projectPath;
}

} // namespace tz
