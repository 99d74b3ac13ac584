#include "docgen/docformat.h"

#include "docgen/docwriter.h"
#include "docgen/docxwriter.h"
#include "docgen/extendeddocument.h"
#include "docgen/htmloutput.h"
#include "docgen/odtwriter.h"
#include "docgen/rtfoutput.h"
#include "project/atomicfile.h"

#include <QBuffer>
#include <QFileInfo>

namespace tz {
namespace {

constexpr DocFormat kFormats[] = {DocFormat::Html, DocFormat::Rtf, DocFormat::Doc,
                                  DocFormat::Pdf,  DocFormat::Odt, DocFormat::Docx};

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

bool writeModel(QIODevice& device, DocFormat format, const DocModel& model,
                const QString& projectUid, PdfWriter pdf) {
    const Pagination pages = needsPageNumbers(model) ? paginate(model) : Pagination();
    switch (format) {
    case DocFormat::Html: {
        OutputStream out(device);
        writeHtml(model, pages, projectUid, out);
        return out.finish();
    }
    case DocFormat::Rtf:
    case DocFormat::Doc: {
        OutputStream out(device);
        writeRtf(model, pages, out);
        return out.finish();
    }
    case DocFormat::Docx:
        return writeDocx(model, pages, device);
    case DocFormat::Odt:
        return writeOdt(model, pages, device);
    case DocFormat::Pdf:
        break;
    }
    Q_ASSERT(pdf);
    return pdf && pdf(model, pages, device);
}

// The usual document for the formats of the model: each line of the rich text a paragraph
// with its size and boldness; a text of several lines stays one string, shared, not copied.
class ModelSink : public DocSink {
public:
    DocModel model{QString(), QString(), {Sheet{}}};

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

bool needsFonts(DocFormat format) {
    return format == DocFormat::Pdf;
}

int docModeOf(DocFormat format) {
    return format == DocFormat::Html ? DocModeHtml : DocModeRichText;
}

QString docFilter(DocFormat format) {
    return QStringLiteral("Документы %1|*.%1|Все файлы (*.*)|*.*").arg(docSuffix(format));
}

QString docSuffix(DocFormat format) {
    switch (format) {
    case DocFormat::Html:
        return QStringLiteral("html");
    case DocFormat::Rtf:
        return QStringLiteral("rtf");
    case DocFormat::Doc:
        return QStringLiteral("doc");
    case DocFormat::Pdf:
        return QStringLiteral("pdf");
    case DocFormat::Odt:
        return QStringLiteral("odt");
    case DocFormat::Docx:
        break;
    }
    return QStringLiteral("docx");
}

std::optional<DocFormat> docFormatNamed(const QString& name) {
    for (const DocFormat format : kFormats) {
        if (name.compare(docSuffix(format), Qt::CaseInsensitive) == 0)
            return format;
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

DocModel linesDocument(const DocBuffer& doc, const QString& title) {
    Sheet sheet;
    sheet.blocks.reserve(doc.lines().size());
    for (const DocLine& line : doc.lines())
        sheet.blocks.append(
            paragraph(line.text, Align::Left, line.attributes.bold, line.attributes.sizePt));
    return {title, QString(), {sheet}};
}

bool writeDocument(QIODevice& device, DocFormat format, const DocumentInputs& inputs,
                   PdfWriter pdf) {
    DocMode = docModeOf(format);
    if (inputs.extended)
        return writeModel(device, format, extendedDocument(inputs), inputs.projectUid, pdf);
    switch (format) {
    case DocFormat::Html: {
        OutputStream out(device);
        HtmlStream html(out);
        BuildDocument(html, inputs);
        return out.finish();
    }
    case DocFormat::Rtf:
    case DocFormat::Doc: {
        OutputStream out(device);
        RtfStream rtf(out, {docFontName()}, {ColourBlack});
        BuildDocument(rtf, inputs);
        rtf.finish();
        return out.finish();
    }
    default:
        break;
    }
    ModelSink sink;
    sink.model.title = inputs.values.title;
    BuildDocument(sink, inputs);
    return writeModel(device, format, sink.model, inputs.projectUid, pdf);
}

QByteArray documentBytes(DocFormat format, const DocumentInputs& inputs, PdfWriter pdf) {
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    return writeDocument(device, format, inputs, pdf) ? bytes : QByteArray();
}

bool saveDocument(const QString& path, DocFormat format, const DocumentInputs& inputs,
                  PdfWriter pdf) {
    // A document of no bytes is one that could not be made.
    return writeFileAtomically(path, [&](QIODevice& file) {
        return writeDocument(file, format, inputs, pdf) && file.pos() > 0;
    });
}

QString documentSaveError(const QString& path) {
    return QStringLiteral("Не удается сохранить документ в файл ") + path;
}

} // namespace tz
