#include "docgen/projectexport.h"

#include "docgen/docformat.h"
#include "project/fileblocks.h"

#include <QFile>
#include <QFileInfo>

namespace tz {

namespace {

// The document's values as the wizard's title page would show them for the project.
DocumentInputs documentInputsOf(const FileBlocks& project) {
    auto last = [](const FileBlock& block) {
        const QStringList lines = valueLines(block);
        return lines.isEmpty() ? QString() : lines.constLast();
    };
    return {last(project.blocks[0]), valueLines(project.blocks[1]).join(QLatin1String("\r\n")),
            last(project.blocks[2])};
}

} // namespace

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
    const FileBlocks project =
        readFileBlocks(projectBytes, {u".Title", u".Description", u".ProjectUID"});
    if (!project.isProject)
        return QStringLiteral("Файл ") + projectPath +
               QStringLiteral(" не является техническим заданием");

    const QFileInfo output(outputPath);
    if (output.exists() && output.canonicalFilePath() == QFileInfo(projectPath).canonicalFilePath())
        return QStringLiteral("Документ нельзя записать поверх файла проекта ") + projectPath;

    DocBuffer doc;
    const QByteArray bytes = renderDocument(doc, *format, documentInputsOf(project));
    if (!saveDocumentFile(outputPath, bytes))
        return documentSaveError(outputPath);
    return QString();
}

} // namespace tz
