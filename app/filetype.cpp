#include "app/filetype.h"

#include "project/atomicfile.h"
#include "project/regularfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace {

QString xdgHome(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? value : QDir::homePath() + fallback;
}

// Far more than a registration file holds.
constexpr qint64 kLargestRegistrationFile = 1 << 20;

// The whole file, no bytes for a name that nothing has, or nothing when the file cannot be
// read whole or is no regular file (a FIFO would block the start, a device never end):
// such a file is left alone rather than replaced by what could be made of a part of it.
std::optional<QByteArray> readWhole(const QString& path) {
    tz::RegularFile file = tz::readRegularFile(path, kLargestRegistrationFile);
    if (file.status == tz::RegularFile::Status::Missing)
        return QByteArray();
    if (file.status != tz::RegularFile::Status::Read)
        return std::nullopt;
    return std::move(file.bytes);
}

// Writes the file when its content differs; true when it now holds the content.
bool writeIfChanged(const QString& path, const QByteArray& content, bool* changed) {
    *changed = false;
    const std::optional<QByteArray> old = readWhole(path);
    if (!old)
        return false;
    if (QFile::exists(path) && *old == content)
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
    const std::optional<QByteArray> list = readWhole(mimeapps);
    ok = list && writeIfChanged(mimeapps, withDefaultApplication(*list), &changed) && ok;
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

QByteArray withDefaultApplication(const QByteArray& mimeappsList) {
    // The user's file is edited in place as bytes: other lines, their order, their line
    // ends and whatever encoding they are in stay exactly as they were.
    const QByteArray key = projectMimeType().toLatin1();
    const QByteArray entry = key + '=' + applicationId().toLatin1() + ".desktop";
    struct Line {
        qsizetype start, end; // the line's text, without its line end
    };
    QList<Line> lines;
    for (qsizetype start = 0; start < mimeappsList.size();) {
        qsizetype next = mimeappsList.indexOf('\n', start);
        next = next < 0 ? mimeappsList.size() : next + 1;
        qsizetype end = next;
        while (end > start &&
               (mimeappsList.at(end - 1) == '\n' || mimeappsList.at(end - 1) == '\r'))
            --end;
        lines.append({start, end});
        start = next;
    }
    const auto text = [&](const Line& l) { return mimeappsList.sliced(l.start, l.end - l.start); };
    const QByteArray eol = mimeappsList.contains("\r\n") ? "\r\n" : "\n";

    qsizetype group = -1;
    for (qsizetype i = 0; i < lines.size() && group < 0; ++i) {
        if (text(lines.at(i)).trimmed() == "[Default Applications]")
            group = i;
    }
    QByteArray out = mimeappsList;
    if (group < 0) {
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += eol;
        return out + "[Default Applications]" + eol + entry + eol;
    }
    qsizetype insertAt = lines.at(group).end;
    for (qsizetype i = group + 1; i < lines.size(); ++i) {
        const QByteArray line = text(lines.at(i));
        if (line.trimmed().startsWith('['))
            break;
        const qsizetype equals = line.indexOf('=');
        if (equals >= 0 && line.first(equals).trimmed() == key) {
            if (line == entry)
                return out;
            return out.replace(lines.at(i).start, line.size(), entry);
        }
        if (!line.trimmed().isEmpty())
            insertAt = lines.at(i).end;
    }
    return out.insert(insertAt, eol + entry);
}

bool registerFileType(const QString& programPath) {
#ifdef Q_OS_WIN
    return registerWindows(programPath);
#else
    return registerXdg(programPath);
#endif
}
