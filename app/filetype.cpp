#include "app/filetype.h"

#include "project/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString xdgHome(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? value : QDir::homePath() + fallback;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file when its content differs; true when it now holds the content.
bool writeIfChanged(const QString& path, const QByteArray& content, bool* changed) {
    *changed = false;
    if (QFile::exists(path) && readAll(path) == content)
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    *changed = tz::writeFileAtomically(path, content);
    return *changed;
}

QByteArray mimePackage() {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>Software requirements document project</comment>\n"
               "    <comment xml:lang=\"ru\">Техническое задание</comment>\n"
               "    <sub-class-of type=\"text/plain\"/>\n"
               "    <glob pattern=\"*.tz\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(projectMimeType())
        .toUtf8();
}

// The Exec value of the extended mode's action: the option goes before the file.
QString extendedExecLine(const QString& programPath) {
    QString line = desktopExecLine(programPath);
    return line.insert(line.lastIndexOf(QLatin1String(" %f")), QLatin1String(" --extended"));
}

QByteArray desktopEntry(const QString& programPath) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Мастер ТЗ\n"
                          "GenericName=Мастер технических заданий\n"
                          "Comment=Подготовка технического задания на разработку программы\n"
                          "Exec=%1\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "Categories=Office;ProjectManagement;\n"
                          "MimeType=%3;\n"
                          "Actions=extended;\n"
                          "\n"
                          "[Desktop Action extended]\n"
                          "Name=Расширенный режим\n"
                          "Exec=%4\n")
        .arg(desktopExecLine(programPath), applicationId(), projectMimeType(),
             extendedExecLine(programPath))
        .toUtf8();
}

bool registerXdg(const QString& programPath) {
    const QString data = xdgHome("XDG_DATA_HOME", QStringLiteral("/.local/share"));
    const QString config = xdgHome("XDG_CONFIG_HOME", QStringLiteral("/.config"));
    bool mimeChanged = false;
    bool changed = false;
    bool ok = writeIfChanged(data + QStringLiteral("/mime/packages/") + applicationId() +
                                 QStringLiteral(".xml"),
                             mimePackage(), &mimeChanged);
    ok = writeIfChanged(data + QStringLiteral("/applications/") + applicationId() +
                            QStringLiteral(".desktop"),
                        desktopEntry(programPath), &changed) &&
         ok;
    const QString mimeapps = config + QStringLiteral("/mimeapps.list");
    const QByteArray list = withDefaultApplication(QString::fromUtf8(readAll(mimeapps))).toUtf8();
    ok = writeIfChanged(mimeapps, list, &changed) && ok;
    // The MIME database is refreshed only when the package changed, so normally once.
    const QString update = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (mimeChanged && !update.isEmpty()) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(update, {data + QStringLiteral("/mime")});
        process.waitForFinished(5000);
    }
    return ok;
}

#ifdef Q_OS_WIN
bool registerWindows(const QString& programPath) {
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"),
                      QSettings::NativeFormat);
    const QString native = QDir::toNativeSeparators(programPath);
    classes.setValue(QStringLiteral(".tz/."), QStringLiteral("tz-app"));
    classes.setValue(QStringLiteral("tz-app/defaulticon/."), native + QStringLiteral(", 0"));
    classes.setValue(QStringLiteral("tz-app/shell/open/command/."),
                     u'"' + native + QStringLiteral("\" \"%1\""));
    classes.sync();
    return classes.status() == QSettings::NoError;
}
#endif

} // namespace

QString desktopExecLine(const QString& programPath) {
    // Quoted as the desktop entry format asks, then escaped as one of its string values.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'%', QStringLiteral("%%"));
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + quoted + QStringLiteral("\" %f");
}

QString withDefaultApplication(const QString& mimeappsList) {
    const QString entry = projectMimeType() + u'=' + applicationId() + QStringLiteral(".desktop");
    QStringList lines = mimeappsList.split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    qsizetype group = lines.indexOf(QStringLiteral("[Default Applications]"));
    if (group < 0) {
        lines.append(QStringLiteral("[Default Applications]"));
        lines.append(entry);
        return lines.join(u'\n') + u'\n';
    }
    qsizetype i = group + 1;
    for (; i < lines.size() && !lines.at(i).startsWith(u'['); ++i) {
        if (lines.at(i).startsWith(projectMimeType() + u'=')) {
            lines[i] = entry;
            return lines.join(u'\n') + u'\n';
        }
    }
    lines.insert(i, entry);
    return lines.join(u'\n') + u'\n';
}

bool registerFileType(const QString& programPath) {
#ifdef Q_OS_WIN
    return registerWindows(programPath);
#else
    return registerXdg(programPath);
#endif
}
