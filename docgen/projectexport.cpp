#include "docgen/projectexport.h"

#include "docgen/extendedcontent.h"
#include "project/projectfile.h"
#include "project/projecttext.h"

#include <QFileInfo>

namespace tz {

DocumentInputs documentInputsOf(const QStringList& projectText) {
    return {singleValue(projectText, u".Title"),
            valueLines(projectText, u".Description").join(QLatin1String("\r\n")),
            singleValue(projectText, u".ProjectUID")};
}

QString exportDocument(const QString& projectPath, const QString& outputPath,
                       const QString& formatName, const ExportOptions& options) {
    std::optional<DocFormat> format;
    if (formatName.isEmpty()) {
        format = docFormatOfPath(outputPath);
        if (!format)
            return QStringLiteral("Не удается определить формат документа по имени ") + outputPath +
                   QStringLiteral(": укажите --format html, rtf, doc, pdf или odt");
    } else {
        format = docFormatNamed(formatName);
        if (!format)
            return QStringLiteral("Неизвестный формат документа ") + formatName +
                   QStringLiteral(": допустимы html, rtf, doc, pdf и odt");
    }

    const LoadResult project = loadProjectFile(projectPath);
    if (!project.ok)
        return QStringLiteral("Не удается открыть файл ") + projectPath;
    if (!looksLikeProject(project))
        return QStringLiteral("Файл ") + projectPath +
               QStringLiteral(" не является техническим заданием");

    const QFileInfo output(outputPath);
    if (output.exists() && output.canonicalFilePath() == QFileInfo(projectPath).canonicalFilePath())
        return QStringLiteral("Документ нельзя записать поверх файла проекта ") + projectPath;

    DocumentInputs inputs = documentInputsOf(project.text);
    if (options.extended)
        addExtendedInputs(inputs, project.text);
    DocBuffer doc;
    const QByteArray bytes = renderDocument(doc, *format, inputs, options.paged);
    if (!saveDocumentFile(outputPath, bytes))
        return documentSaveError(outputPath);
    return QString();
}

} // namespace tz
