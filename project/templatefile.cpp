#include "project/templatefile.h"

#include "project/projectfields.h"
#include "project/projectfile.h"
#include "project/projecttext.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tz {

QString templatePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tzwizard/template.tz");
}

ProjectValues templateValues(const ProjectValues& values) {
    ProjectValues kept;
    for (const ProjectField& field : kFields) {
        if (!field.templated)
            continue;
        kept.*field.member = values.*field.member;
        if (field.second)
            kept.*field.second = values.*field.second;
    }
    return kept;
}

bool saveTemplate(const ProjectValues& values) {
    const QString path = templatePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QStringList text = newProjectText(QString());
    renewProjectText(text, templateValues(values), {}, {}, true);
    return saveProjectFile(path, text).ok;
}

std::optional<ProjectValues> loadTemplate() {
    const LoadResult loaded = loadProjectFile(templatePath());
    if (!loaded.ok || loaded.empty || !looksLikeProject(loaded))
        return std::nullopt;
    return templateValues(readProjectValues(loaded.text, true));
}

} // namespace tz
