#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace tz {

// The physical form of a project file: Windows-1251, one entry per line; a line ends at
// CR LF, a lone CR or a lone LF; a NUL byte ends the text; a final unterminated line counts.
QStringList parseProjectBytes(QByteArrayView bytes);

// Every entry followed by CR LF; line breaks inside an entry are written as CR LF too.
struct ProjectBytes {
    QByteArray bytes;
    QString unencodable; // characters written as '?', each once
};
ProjectBytes serializeProject(const QStringList& text);

struct LoadResult {
    bool ok = false;
    QStringList text;
};
LoadResult loadProjectFile(const QString& path);

struct SaveResult {
    bool ok = false;
    QString unencodable;
};
// Atomic: a failed save leaves the earlier file as it was.
SaveResult saveProjectFile(const QString& path, const QStringList& text);

// True when the bytes look like a project: empty (up to a NUL), or holding a key line.
bool looksLikeProject(const QStringList& text);

} // namespace tz
