#pragma once

#include <QString>

// One reverse-DNS identifier for the desktop entry, the MIME package and the icon.
inline QString applicationId() {
    return QStringLiteral("org.example.tzwizard");
}
inline QString projectMimeType() {
    return QStringLiteral("application/x-tzwizard-project");
}

// Associates ".tz" files with the program at the given path: on Linux per user, the
// freedesktop way (honouring XDG_DATA_HOME and XDG_CONFIG_HOME); on Windows under the
// per-user classes. False when something could not be written.
bool registerFileType(const QString& programPath);

// The desktop entry's Exec value that starts the program with the file's path.
QString desktopExecLine(const QString& programPath);
// mimeapps.list with the project type's default application set in its default group; every
// other byte kept.
QByteArray withDefaultApplication(const QByteArray& mimeappsList);
