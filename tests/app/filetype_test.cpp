#include "app/filetype.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class FileTypeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theExecLineQuotesAndEscapesThePath() {
        QCOMPARE(desktopExecLine(QStringLiteral("/usr/bin/tzwizard")),
                 QStringLiteral("\"/usr/bin/tzwizard\" %f"));
        QCOMPARE(desktopExecLine(QStringLiteral("/opt/my apps/100%/$x/tz\"w")),
                 QStringLiteral("\"/opt/my apps/100%%/\\\\$x/tz\\\\\"w\" %f"));
    }

    void theDefaultApplicationIsSetAndEveryOtherByteKept() {
        const QByteArray ours = "application/x-tzwizard-project=org.example.tzwizard.desktop";
        const struct {
            QByteArray before, after;
        } cases[] = {
            {"", "[Default Applications]\n" + ours + "\n"},
            {"[Added Associations]\ntext/plain=a.desktop;\n"
             "[Default Applications]\ntext/html=b.desktop\n\n[Other]\nx=y",
             "[Added Associations]\ntext/plain=a.desktop;\n"
             "[Default Applications]\ntext/html=b.desktop\n" +
                 ours + "\n\n[Other]\nx=y"},
            {"[Default Applications]\napplication/x-tzwizard-project = old.desktop\n[Other]\nx=y\n",
             "[Default Applications]\n" + ours + "\n[Other]\nx=y\n"},
            // CR LF line ends and bytes that are not UTF-8 stay as they are.
            {"[Default Applications]\r\ntext/x-\xE9=c\xFF.desktop\r\n",
             "[Default Applications]\r\ntext/x-\xE9=c\xFF.desktop\r\n" + ours + "\r\n"},
            {"#\xFF\r\n[Other]\r\nx=y",
             "#\xFF\r\n[Other]\r\nx=y\r\n[Default Applications]\r\n" + ours + "\r\n"},
            {"[Default Applications]\r\n" + ours + "\r\n",
             "[Default Applications]\r\n" + ours + "\r\n"},
        };
        for (const auto& c : cases)
            QCOMPARE(withDefaultApplication(c.before), c.after);
    }

    // A FIFO would block the start until someone wrote to it, /dev/zero would never end.
    void registrationLeavesWhatIsNoRegularFileAlone_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO as mimeapps.list") << "config/mimeapps.list"
                                               << "fifo";
        QTest::newRow("/dev/zero as mimeapps.list") << "config/mimeapps.list"
                                                    << "zero";
        QTest::newRow("FIFO as the desktop entry")
            << "data/applications/org.example.tzwizard.desktop"
            << "fifo";
    }

    void registrationLeavesWhatIsNoRegularFileAlone() {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_DATA_HOME", oldData);
            qputenv("XDG_CONFIG_HOME", oldConfig);
        });
        QVERIFY(!registerFileType(QStringLiteral("/usr/bin/tzwizard")));
        const QFileInfo after(path);
        QVERIFY(!after.isFile());
        QCOMPARE(after.isSymLink(), kind == u"zero");
        // The rest of the registration is made all the same.
        QVERIFY(
            QFileInfo(dir.filePath(QStringLiteral("data/mime/packages/org.example.tzwizard.xml")))
                .isFile());
    }
};

QTEST_GUILESS_MAIN(FileTypeTest)
#include "filetype_test.moc"
