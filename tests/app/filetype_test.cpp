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
};

QTEST_GUILESS_MAIN(FileTypeTest)
#include "filetype_test.moc"
