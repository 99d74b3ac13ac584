#pragma once

#include "project/filestamp.h"

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

// Why a project file could not be read.
enum class ReadError {
    None,
    CannotOpen, // missing, no regular file, no rights, an error while reading
    TooLarge,   // more bytes or lines than sizelimits.h allows
    NoMemory,
};
// The message for the user.
QString readErrorMessage(ReadError error, const QString& path);

// The bytes of a project file: a regular file within the limits of sizelimits.h, the size
// checked before it is read.
struct ProjectFileBytes {
    ReadError error = ReadError::CannotOpen;
    QByteArray bytes;
};
ProjectFileBytes readProjectFileBytes(const QString& path);

struct LoadResult {
    bool ok = false;
    QStringList text;
    // The file had no bytes at all; only such a file opens as a new project.
    bool empty = false;
    FileStamp stamp;
    ReadError error = ReadError::None; // why not, when not ok
};
LoadResult loadProjectFile(const QString& path);

struct SaveResult {
    bool ok = false;
    QString unencodable;
    FileStamp stamp; // of the file as written
    int error = 0;   // the system's error number of a failure (atomicfile.h)
};
// Atomic: a failed save leaves the earlier file as it was.
SaveResult saveProjectFile(const QString& path, const QStringList& text);

// True when the file looks like a project: a file of no bytes, or one holding a key line. A
// file whose text a NUL cuts to nothing is not one: opened as a new project, it would be
// written over with that nothing.
bool looksLikeProject(const LoadResult& loaded);

} // namespace tz
