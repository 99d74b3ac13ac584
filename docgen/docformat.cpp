#include "docgen/docformat.h"

#include "docgen/docwriter.h"
#include "docgen/htmloutput.h"
#include "docgen/rtfoutput.h"
#include "project/atomicfile.h"

#include <QFileInfo>

namespace tz {

bool isPagedFormat(DocFormat format) {
    return format == DocFormat::Pdf || format == DocFormat::Odt;
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
        break;
    }
    return QStringLiteral("odt");
}

std::optional<DocFormat> docFormatNamed(const QString& name) {
    for (const DocFormat format :
         {DocFormat::Html, DocFormat::Rtf, DocFormat::Doc, DocFormat::Pdf, DocFormat::Odt}) {
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

QByteArray renderDocument(DocBuffer& doc, DocFormat format, const DocumentInputs& inputs,
                          PagedWriter paged) {
    DocMode = docModeOf(format);
    BuildDocument(doc, inputs);
    if (format == DocFormat::Html)
        return htmlBytes(doc);
    if (!isPagedFormat(format))
        return rtfBytes(doc);
    Q_ASSERT(paged);
    return paged && fitsOnPages(doc) ? paged(doc, format) : QByteArray();
}

bool saveDocumentFile(const QString& path, const QByteArray& bytes) {
    return !bytes.isEmpty() && writeFileAtomically(path, bytes);
}

bool fitsOnPages(const DocBuffer& doc) {
    qsizetype characters = 0;
    for (const DocLine& line : doc.lines())
        characters += line.text.size();
    return characters <= kMostPagedCharacters;
}

QString documentSaveError(const QString& path, const DocBuffer& doc, DocFormat format) {
    QString message = QStringLiteral("Не удается сохранить документ в файл ") + path;
    if (isPagedFormat(format) && !fitsOnPages(doc))
        message += QStringLiteral(": для PDF и ODT он слишком велик (больше 10 000 000 знаков), "
                                  "сохраните его в HTML, RTF или DOC");
    return message;
}

} // namespace tz
