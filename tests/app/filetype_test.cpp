#include "app/filetype.h"

#include <QTest>

class FileTypeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theExecLineQuotesAndEscapesThePath() {
        QCOMPARE(desktopExecLine(QStringLiteral("/usr/bin/tzwizard")),
                 QStringLiteral("\"/usr/bin/tzwizard\" %f"));
        QCOMPARE(desktopExecLine(QStringLiteral("/opt/my apps/100%/$x/tz\"w")),
                 QStringLiteral("\"/opt/my apps/100%%/\\\\$x/tz\\\\\"w\" %f"));
    }

    void theDefaultApplicationIsSetAndOtherLinesKept() {
        QCOMPARE(withDefaultApplication(QString()),
                 QStringLiteral("[Default Applications]\n"
                                "application/x-tzwizard-project=org.example.tzwizard.desktop\n"));
        const QString other = QStringLiteral("[Added Associations]\ntext/plain=a.desktop;\n"
                                             "[Default Applications]\ntext/html=b.desktop\n");
        QCOMPARE(withDefaultApplication(other),
                 QStringLiteral("[Added Associations]\ntext/plain=a.desktop;\n"
                                "[Default Applications]\ntext/html=b.desktop\n"
                                "application/x-tzwizard-project=org.example.tzwizard.desktop\n"));
        const QString old = QStringLiteral("[Default Applications]\n"
                                           "application/x-tzwizard-project=old.desktop\n"
                                           "[Other]\nx=y\n");
        QCOMPARE(withDefaultApplication(old),
                 QStringLiteral("[Default Applications]\n"
                                "application/x-tzwizard-project=org.example.tzwizard.desktop\n"
                                "[Other]\nx=y\n"));
    }
};

QTEST_GUILESS_MAIN(FileTypeTest)
#include "filetype_test.moc"
