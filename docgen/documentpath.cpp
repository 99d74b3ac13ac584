#include "docgen/documentpath.h"

#include <QFileInfo>

namespace tz {

namespace {

// The folder part of a path, with its separator; empty for a bare name.
QString folderOf(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

} // namespace

QString proposedDocumentPath(const QString& lastDocument, const QString& projectFile,
                             DocFormat format) {
    const QString suffix = u'.' + docSuffix(format);
    if (!lastDocument.isEmpty()) {
        QString name = QFileInfo(lastDocument).fileName();
        if (docFormatOfPath(name))
            name.truncate(name.lastIndexOf(u'.'));
        return folderOf(lastDocument) + name + suffix;
    }
    if (projectFile.isEmpty())
        return {};
    const QString name = QFileInfo(projectFile).fileName();
    const QString stem = name.left(name.indexOf(u'.'));
    // A project named only by an extension gives the folder alone.
    return folderOf(projectFile) + (stem.isEmpty() ? QString() : stem + suffix);
}

} // namespace tz
