#include "docgen/projectexport.h"

#include "docgen/extendedcontent.h"
#include "project/fileblocks.h"
#include "project/fileidentity.h"
#include "project/projectfile.h"
#include "project/projectkeys.h"
#include "project/projecttext.h"

namespace tz {

DocumentInputs documentInputsOf(const QStringList& projectText, bool extended) {
    return {readProjectValues(projectText, extended), singleValue(projectText, u".ProjectUID")};
}

QString exportDocument(const QString& projectPath, const QString& outputPath,
                       const QString& formatName, const ExportOptions& options) {
    std::optional<DocFormat> format;
    if (formatName.isEmpty()) {
        format = docFormatOfPath(outputPath);
        if (!format)
            return QStringLiteral("Не удается определить формат документа по имени ") + outputPath +
                   QStringLiteral(": укажите --format html, rtf, doc, pdf, odt или docx");
    } else {
        format = docFormatNamed(formatName);
        if (!format)
            return QStringLiteral("Неизвестный формат документа ") + formatName +
                   QStringLiteral(": допустимы html, rtf, doc, pdf, odt и docx");
    }

    ProjectFileBytes file = readProjectFileBytes(projectPath);
    if (file.error != ReadError::None)
        return readErrorMessage(file.error, projectPath);
    QByteArray projectBytes = std::move(file.bytes);
    QList<QStringView> keys{u".Title", u".Description", u".ProjectUID"};
    if (options.extended) {
        keys += {u".CompanyName", u".CompanyURL", u".CompanyEMail", u".CompanyPhone",
                 u".CompanyInfo", u".Structure",  u".Menu"};
        for (const QString* key : keys::extended)
            keys += *key;
    }
    // The purpose may be most of the file: it is decoded into one string, not line by line.
    constexpr qsizetype description = 1;
    const FileBlocks project = readFileBlocks(projectBytes, keys, description);
    // As when the wizard opens it: only a file of no bytes is a new project.
    if (!projectBytes.isEmpty() && !project.hasKeyLine)
        return QStringLiteral("Файл ") + projectPath +
               QStringLiteral(" не является техническим заданием");

    // By identity, not by path: a bind mount, a hard link or another letter case on FAT
    // names the project under another path.
    if (sameFile(outputPath, projectPath))
        return QStringLiteral("Документ нельзя записать поверх файла проекта ") + projectPath;

    DocumentInputs inputs;
    {
        const QStringList text = blocksText(project, keys);
        inputs = documentInputsOf(text, options.extended);
        if (options.extended && addExtendedInputs(inputs, text) && options.notice)
            *options.notice = QStringLiteral("пункты структуры программы глубже шестого уровня "
                                             "вложенности показаны в документе на шестом уровне");
    }
    inputs.values.description = joinedValue(projectBytes, project.blocks[description]);
    projectBytes.clear();
    if (!saveDocument(outputPath, *format, inputs, options.pdf))
        return documentSaveError(outputPath);
    return QString();
}

} // namespace tz
