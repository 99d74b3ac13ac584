#include "docgen/projectexport.h"

#include "docgen/extendedcontent.h"
#include "project/fileblocks.h"
#include "project/fileidentity.h"
#include "project/projectfields.h"
#include "project/projectfile.h"
#include "project/projectkeys.h"
#include "project/projecttext.h"
#include "project/standardlists.h"

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
                   QStringLiteral(": укажите --format ") + docSuffixes(QStringLiteral(", "));
    } else {
        format = docFormatNamed(formatName);
        if (!format)
            return QStringLiteral("Неизвестный формат документа ") + formatName +
                   QStringLiteral(": допустимы ") + docSuffixes(QStringLiteral(", "));
    }

    ProjectFileBytes file = readProjectFileBytes(projectPath);
    if (file.error != ReadError::None)
        return readErrorMessage(file.error, projectPath);
    QByteArray projectBytes = std::move(file.bytes);
    // The usual document takes the title and the purpose, the extended one every value and
    // the menu tree.
    QList<QStringView> wanted{keys::ProjectUID};
    for (const ProjectField& field : fieldsOf(options.extended)) {
        if (options.extended || field.member == &ProjectValues::title ||
            field.member == &ProjectValues::description)
            wanted.append(field.key);
    }
    if (options.extended)
        wanted += {keys::Structure, keys::Menu};
    // The purpose may be most of the file: it is decoded into one string, not line by line.
    const qsizetype description = wanted.indexOf(fieldOf(&ProjectValues::description)->key);
    const FileBlocks project = readFileBlocks(projectBytes, wanted, description);
    // As when the wizard opens it: only a file of no bytes is a new project.
    if (!projectBytes.isEmpty() && !project.hasKeyLine)
        return QStringLiteral("Файл ") + projectPath +
               QStringLiteral(" не является техническим заданием");

    // By identity, not by path: a bind mount, a hard link or another letter case on FAT
    // names the project under another path.
    if (sameFile(outputPath, projectPath))
        return documentOverProjectError(projectPath);

    DocumentInputs inputs;
    {
        const QStringList text = blocksText(project, wanted);
        inputs = documentInputsOf(text, options.extended);
        if (options.extended)
            addExtendedDefaults(inputs.values, text);
        if (options.extended && addExtendedInputs(inputs, text) && options.notice)
            *options.notice = QStringLiteral("пункты структуры программы глубже шестого уровня "
                                             "вложенности показаны в документе на шестом уровне");
    }
    inputs.values.description =
        joinedValue(projectBytes, project.blocks[description], options.extended);
    projectBytes.clear();
    int error = 0;
    if (!saveDocument(outputPath, *format, inputs, &error))
        return documentSaveError(outputPath, error);
    return QString();
}

} // namespace tz
