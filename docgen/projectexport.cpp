#include "docgen/projectexport.h"

#include "docgen/docformat.h"
#include "project/fileblocks.h"
#include "project/projecttext.h"

#include <QFile>
#include <QFileInfo>

namespace tz {

DocumentInputs documentInputsOf(const QStringList& projectText) {
    return {singleValue(projectText, u".Title"),
            valueLines(projectText, u".Description").join(QLatin1String("\r\n")),
            singleValue(projectText, u".ProjectUID")};
}

QString exportDocument(const QString& projectPath, const QString& outputPath,
                       const QString& formatName) {
    std::optional<DocFormat> format;
    if (formatName.isEmpty()) {
        format = docFormatOfPath(outputPath);
        if (!format)
            return QStringLiteral("Не удается определить формат документа по имени ") + outputPath +
                   QStringLiteral(": укажите --format html, rtf или doc");
    } else {
        format = docFormatNamed(formatName);
        if (!format)
            return QStringLiteral("Неизвестный формат документа ") + formatName +
                   QStringLiteral(": допустимы html, rtf и doc");
    }

    QFile file(projectPath);
    if (!QFileInfo(projectPath).isFile() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("Не удается открыть файл ") + projectPath;
    const QByteArray projectBytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Не удается открыть файл ") + projectPath;
    const QList<QStringView> keys{u".Title", u".Description", u".ProjectUID"};
    const FileBlocks project = readFileBlocks(projectBytes, keys);
    if (!project.emptyText && !project.hasKeyLine)
        return QStringLiteral("Файл ") + projectPath +
               QStringLiteral(" не является техническим заданием");

    const QFileInfo output(outputPath);
    if (output.exists() && output.canonicalFilePath() == QFileInfo(projectPath).canonicalFilePath())
        return QStringLiteral("Документ нельзя записать поверх файла проекта ") + projectPath;

    DocBuffer doc;
    const QByteArray bytes =
        renderDocument(doc, *format, documentInputsOf(blocksText(project, keys)));
    if (!saveDocumentFile(outputPath, bytes))
        return documentSaveError(outputPath);
    return QString();
}

} // namespace tz
