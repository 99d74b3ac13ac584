#include "app/application.h"
#include "app/tahoma.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QTest>

// The program's application object, made as the program makes it, under a locale that is
// not Russian.
class ApplicationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void qtsOwnDialogsSpeakRussian() {
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"),
                 QStringLiteral("Сохранить как"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    }

    void thePagesGetWinesTahomaWhereItIsInstalled() {
        if (!QFileInfo::exists(wineTahomaFiles().constFirst()))
            QSKIP("Debian's fonts-wine is not installed");
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Tahoma"), 8)).family(), QStringLiteral("Tahoma"));
    }
};

int main(int argc, char** argv) {
    TzApplication app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
