#include "project/recentprojects.h"

#include "project/atomicfile.h"
#include "project/regularfile.h"
#include "project/textlines.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tz {
namespace {

constexpr qsizetype kMostKept = 10;

// Every path the list holds, gone or not.
QStringList storedPaths() {
    QStringList paths;
    // A list of ten paths is small; anything larger is no list of this program's.
    constexpr qint64 kLargest = 64 * 1024;
    const RegularFile file = readRegularFile(recentProjectsPath(), kLargest);
    for (const QString& line : splitLines(QString::fromUtf8(file.bytes))) {
        if (!line.isEmpty())
            paths.append(line);
    }
    return paths;
}

} // namespace

QString recentProjectsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tzwizard/recent.txt");
}

QStringList recentProjects() {
    QStringList existing;
    for (const QString& path : storedPaths()) {
        if (QFileInfo(path).isFile() && !existing.contains(path))
            existing.append(path);
        if (existing.size() == kMostKept)
            break;
    }
    return existing;
}

bool rememberProject(const QString& path) {
    QStringList paths = storedPaths();
    paths.removeAll(path);
    paths.prepend(path);
    const QFileInfo list(recentProjectsPath());
    return QDir().mkpath(list.absolutePath()) &&
           writeFileAtomically(list.absoluteFilePath(),
                               paths.mid(0, kMostKept).join(u'\n').toUtf8() + '\n');
}

QString lastProjectFolder() {
    const QStringList projects = recentProjects();
    return projects.isEmpty() ? QString() : QFileInfo(projects.constFirst()).absolutePath();
}

} // namespace tz
