#include "app/appicon.h"
#include "app/filetype.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString stagePath(const QString& relative) {
    return qEnvironmentVariable("TZ_STAGE_DIR") + u'/' + relative;
}

QString sourcePath(const QString& relative) {
    return qEnvironmentVariable("TZ_TEST_SOURCE_DIR") + u'/' + relative;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The keys of a group of a desktop entry, [Desktop Entry] unless another is named.
QMap<QString, QString> desktopEntryKeys(const QString& path,
                                        const QString& group = QStringLiteral("Desktop Entry")) {
    QMap<QString, QString> keys;
    bool inGroup = false;
    for (const QString& line : QString::fromUtf8(fileBytes(path)).split(u'\n')) {
        if (line.startsWith(u'['))
            inGroup = line == u'[' + group + u']';
        else if (inGroup && line.contains(u'='))
            keys.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return keys;
}

// Environment changes that are undone when the scope ends.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const QString& value)
        : m_name(name), m_old(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~EnvironmentOverride() {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_wasSet;
};

struct Metainfo {
    QString id, launchable, mediatype, binary, newestRelease;
    QStringList screenshotImages;
};

Metainfo readMetainfo(const QString& path) {
    Metainfo info;
    QXmlStreamReader xml(fileBytes(path));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("id"))
            info.id = xml.readElementText();
        else if (name == QLatin1String("launchable"))
            info.launchable = xml.readElementText();
        else if (name == QLatin1String("mediatype"))
            info.mediatype = xml.readElementText();
        else if (name == QLatin1String("binary"))
            info.binary = xml.readElementText();
        else if (name == QLatin1String("image"))
            info.screenshotImages.append(xml.readElementText());
        else if (name == QLatin1String("release") && info.newestRelease.isEmpty())
            info.newestRelease = xml.attributes().value(QLatin1String("version")).toString();
    }
    if (xml.hasError())
        info.id = QStringLiteral("unreadable: ") + xml.errorString();
    return info;
}

} // namespace

class DesktopFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Runs first: the MIME database is read once per process, from XDG_DATA_DIRS that
    // CTest points at a database built from the installed package only.
    void aProjectFileGetsTheInstalledTypeFromTheMimeDatabase() {
        QMimeDatabase db;
        const QMimeType type = db.mimeTypeForName(projectMimeType());
        QVERIFY2(type.isValid(), "the installed MIME package does not define the type");
        QCOMPARE(type.globPatterns(), QStringList{QStringLiteral("*.tz")});
        QVERIFY(type.inherits(QStringLiteral("text/plain")));
        QCOMPARE(
            db.mimeTypeForFile(QStringLiteral("Склад.TZ"), QMimeDatabase::MatchExtension).name(),
            projectMimeType());
        QCOMPARE(db.mimeTypeForFile(sourcePath(QStringLiteral("examples/clinic.tz"))).name(),
                 projectMimeType());
    }

    // The program registers the type per user at every start; after that the per-user
    // files shadow the installed ones, so both must say the same.
    void theInstalledFilesAgreeWithTheRegistrationAtStart() {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        {
            EnvironmentOverride data("XDG_DATA_HOME", home.filePath(QStringLiteral("data")));
            EnvironmentOverride config("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")));
            QVERIFY(registerFileType(QStringLiteral("/usr/bin/tzwizard")));
        }
        const QString id = applicationId();
        QCOMPARE(fileBytes(stagePath("share/mime/packages/" + id + ".xml")),
                 fileBytes(home.filePath("data/mime/packages/" + id + ".xml")));

        const QString installedPath = stagePath("share/applications/" + id + ".desktop");
        const QString perUserPath = home.filePath("data/applications/" + id + ".desktop");
        for (const QString group : {"Desktop Entry", "Desktop Action extended"}) {
            const auto perUser = desktopEntryKeys(perUserPath, group);
            QVERIFY2(!perUser.isEmpty(), qPrintable(group));
            const auto installed = desktopEntryKeys(installedPath, group);
            for (auto it = perUser.cbegin(); it != perUser.cend(); ++it) {
                if (it.key() != QLatin1String("Exec"))
                    QCOMPARE(installed.value(it.key()), it.value());
            }
        }
        const auto installed = desktopEntryKeys(installedPath);
        QCOMPARE(installed.value(QStringLiteral("Exec")), QStringLiteral("tzwizard %f"));
        QCOMPARE(desktopEntryKeys(installedPath, QStringLiteral("Desktop Action extended"))
                     .value(QStringLiteral("Exec")),
                 QStringLiteral("tzwizard --extended %f"));
        QCOMPARE(desktopEntryKeys(perUserPath, QStringLiteral("Desktop Action extended"))
                     .value(QStringLiteral("Exec")),
                 QStringLiteral("\"/usr/bin/tzwizard\" --extended %f"));
        QCOMPARE(installed.value(QStringLiteral("MimeType")), projectMimeType() + u';');
        QCOMPARE(installed.value(QStringLiteral("Icon")), id);
    }

    void theMetainfoDescribesTheInstalledProgram() {
        const Metainfo info =
            readMetainfo(stagePath("share/metainfo/" + applicationId() + ".metainfo.xml"));
        QCOMPARE(info.id, applicationId());
        QCOMPARE(info.launchable, applicationId() + QStringLiteral(".desktop"));
        QCOMPARE(info.mediatype, projectMimeType());
        QCOMPARE(info.binary, QStringLiteral("tzwizard"));
        QCOMPARE(info.newestRelease, QStringLiteral(TZ_PROJECT_VERSION));
        // Every screenshot it announces is one that the repository keeps up to date.
        QVERIFY(!info.screenshotImages.isEmpty());
        for (const QString& image : info.screenshotImages) {
            const QString name = image.section(u'/', -1);
            QVERIFY2(QFile::exists(sourcePath("docs/screenshots/" + name)), qPrintable(image));
        }
    }

    void theIconComesInEverySizeInstalledAndBuiltIn() {
        for (const int size : {48, 128, 256}) {
            const QString path = stagePath(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png")
                                               .arg(size)
                                               .arg(applicationId()));
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(image.hasAlphaChannel());
        }
        QVERIFY(QFile::exists(
            stagePath("share/icons/hicolor/scalable/apps/" + applicationId() + ".svg")));
        const QIcon icon = applicationIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{48, 48}, {128, 128}, {256, 256}}));
        QCOMPARE(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
    }
};

QTEST_MAIN(DesktopFilesTest)
#include "desktopfiles_test.moc"
