#include "app/tfrmmain.h"
#include "app/wizard.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step3owner.h"
#include "project/projectfile.h"
#include "wizardfixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTest>
#include <QTimer>

#include <unistd.h>

class StartupTest : public QObject {
    Q_OBJECT

    QStringList sampleProject() const {
        return {
            "#",    ".ProjectUID", "20061113123456654321", ".Title",      "Склад",  ".Description",
            "Учёт", "товаров",     ".CompanyName",         "ООО Ромашка", ".Finish"};
    }

private Q_SLOTS:
    void withoutArgumentsTheFirstPageComesAfterTheTimer() {
        WizardFixture f;
        QVERIFY(f.main().TimerStart->isActive());
        QCOMPARE(f.main().TimerStart->interval(), 1000);
        QVERIFY(f.visiblePage() == nullptr);
        f.start();
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step1));
        QVERIFY(!f.main().TimerStart->isActive());
        QVERIFY(f.session().text().isEmpty());
        QVERIFY(f.session().fileName().isEmpty());
        QVERIFY(f.w().step1->btnNewTZ->isChecked());
    }

    void theTimerWaitsUntilTheFirstPagesExist() {
        ScriptedSeam seam;
        TfrmMain alone(seam, false);
        alone.TimerStart->start();
        QMetaObject::invokeMethod(alone.TimerStart, "timeout", Qt::DirectConnection);
        QVERIFY(alone.TimerStart->isActive());
    }

    void aProjectOnTheCommandLineOpensOnTheTitlePage() {
        QTemporaryDir dir;
        // Upper-case Latin letters stay as they are: lowering them would miss the file on a
        // case-sensitive file system.
        const QString path = dir.filePath(QStringLiteral("Проект-ABC.tz"));
        writeFileBytes(path, projectBytes(sampleProject()));
        WizardFixture f({path, QStringLiteral("/second/is/ignored.tz")});
        QCOMPARE(f.session().fileName(), path);
        f.start();
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step2));
        QCOMPARE(f.w().step2->PrTitle->text(), QStringLiteral("Склад"));
        QCOMPARE(f.w().step2->PrDescription->toPlainText(), QStringLiteral("Учёт\nтоваров"));
        QCOMPARE(f.w().step1->prFilename->text(), path);
        QVERIFY(f.w().step1->btnOldTZ->isChecked());
        QCOMPARE(f.session().projectUid(), QStringLiteral("20061113123456654321"));
        QCOMPARE(f.main().windowTitle(),
                 QStringLiteral("Техническое Задание к Программе \"Склад\""));
        // Every page that shows project values was filled at once.
        QCOMPARE(f.w().step3owner->prCompanyName->text(), QStringLiteral("ООО Ромашка"));
        QVERIFY(f.seam.messages.isEmpty());
    }

    void aRelativeCommandLinePathBecomesAFullOne() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("проекты"));
        writeFileBytes(dir.filePath(QStringLiteral("проекты/склад.tz")),
                       projectBytes(sampleProject()));
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.filePath(QStringLiteral("проекты")));
        WizardFixture f({QStringLiteral("./../проекты/склад.tz")});
        QDir::setCurrent(before);
        const QString full = QDir(dir.path()).canonicalPath() + QStringLiteral("/проекты/склад.tz");
        QCOMPARE(f.session().fileName(), full);
        f.start();
        QCOMPARE(f.w().step1->prFilename->text(), full);
    }

    void aShortOrMissingCommandLineFileStartsOnTheFirstPage() {
        QTemporaryDir dir;
        const QString shortFile = dir.filePath(QStringLiteral("short.tz"));
        writeFileBytes(shortFile, ".Finish\r\n");
        {
            WizardFixture f({shortFile});
            f.start();
            QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step1));
            QCOMPARE(f.session().fileName(), shortFile);
        }

        WizardFixture missing({dir.filePath(QStringLiteral("missing.tz"))});
        missing.start();
        QCOMPARE(missing.visiblePage(), static_cast<QWidget*>(missing.w().step1));
        QVERIFY(missing.session().fileName().isEmpty());
        QVERIFY(missing.seam.messages.isEmpty());
    }

    void aForeignFileOnTheCommandLineIsRefusedWithAMessage() {
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("picture.tz"));
        writeFileBytes(image, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        WizardFixture f({image});
        f.start();
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step1));
        QVERIFY(f.session().fileName().isEmpty());
        QCOMPARE(f.seam.messages, QStringList{QStringLiteral("Файл ") + image +
                                              QStringLiteral(" не является техническим заданием")});
    }

    // A message box opened before the first page would have that page drawn over it, blocked.
    void aMessageAboutTheOpenedProjectWaitsForTheFirstPage() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("deep.tz"));
        QStringList text = sampleProject();
        text.removeLast();
        text += {".Structure", "0:Меню", "1:11", "2:12",  "3:13",   "4:14",
                 "5:15",       "6:16",   "7:17", ".Menu", ".Finish"};
        writeFileBytes(path, projectBytes(text));
        WizardFixture f({path});
        QVERIFY(f.seam.messages.isEmpty());
        f.start();
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step2));
        QCOMPARE(f.seam.messages.size(), 1);
        QVERIFY(f.seam.messages.constFirst().contains(QStringLiteral("глубже шестого уровня")));
    }

    void aProjectOpenInAnotherWizardIsNotOpenedAgain() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.tz"));
        const QString lock = path + QStringLiteral(".lock");
        writeFileBytes(path, projectBytes(sampleProject()));
        const QString refused =
            QStringLiteral("Проект ") + path + QStringLiteral(" уже открыт в другом окне мастера");
        {
            WizardFixture first({path});
            QVERIFY(QFile::exists(lock));
            WizardFixture second({path});
            second.start();
            QCOMPARE(second.visiblePage(), static_cast<QWidget*>(second.w().step1));
            QVERIFY(second.session().text().isEmpty());
            QCOMPARE(second.seam.messages, QStringList{refused});
            // The open dialog of the first page meets the same lock.
            second.w().step1->btnOldTZ->setChecked(true);
            second.w().step1->prFilename->setText(path);
            QTest::mouseClick(second.w().step1->btnNext, Qt::LeftButton);
            QVERIFY(second.w().step1->isVisible());
            QCOMPARE(second.seam.messages, (QStringList{refused, refused}));
        }
        QVERIFY(!QFile::exists(lock));
        // The lock of a process that has ended is cleared.
        QProcess ended;
        ended.start(QStringLiteral("true"));
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        writeFileBytes(lock, QByteArray::number(pid) + "\ntzwizard\n" +
                                 QSysInfo::machineHostName().toUtf8() + '\n');
        WizardFixture after({path});
        QCOMPARE(after.session().fileName(), path);
        QVERIFY(after.seam.messages.isEmpty());
    }

    // A lock file from which no wizard can be told does not keep the project locked for ever,
    // nor does the lock of a wizard on another computer, when the user says that it is gone.
    void aLockThatCannotBeVerifiedDoesNotKeepTheUserOut_data() {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("empty") << "empty" << QList<int>{} << true;
        QTest::newRow("garbage") << "garbage" << QList<int>{} << true;
        QTest::newRow("unreadable garbage") << "unreadable" << QList<int>{} << true;
        QTest::newRow("folder") << "folder" << QList<int>{} << true;
        QTest::newRow("dangling link") << "link" << QList<int>{} << true;
        QTest::newRow("another computer, opened here") << "host" << QList<int>{0} << true;
        QTest::newRow("another computer, cancelled") << "host" << QList<int>{1} << false;
    }

    void aLockThatCannotBeVerifiedDoesNotKeepTheUserOut() {
        QFETCH(QString, lock);
        QFETCH(QList<int>, answers);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.tz"));
        const QString lockFile = path + QStringLiteral(".lock");
        writeFileBytes(path, projectBytes(sampleProject()));
        if (lock == u"empty")
            writeFileBytes(lockFile, "");
        else if (lock == u"garbage" || lock == u"unreadable")
            writeFileBytes(lockFile, "\xFF\xFE not a lock\n");
        else if (lock == u"folder")
            QVERIFY(QDir().mkdir(lockFile));
        else if (lock == u"link")
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), lockFile));
        else
            writeFileBytes(lockFile, "4242\ntzwizard\nother-host.example\n");
        if (lock == u"unreadable")
            QVERIFY(QFile::setPermissions(lockFile, {}));
        const QDateTime since = QFileInfo(lockFile).lastModified();
        WizardFixture f;
        f.seam.choiceAnswers = answers;
        QCOMPARE(f.open(path), opens);
        QVERIFY(f.seam.messages.isEmpty());
        QCOMPARE(f.seam.questions.size(), answers.size());
        if (lock == u"host") {
            const QString question = f.seam.questions.constFirst();
            QVERIFY2(question.contains(QStringLiteral("«other-host.example»")),
                     qPrintable(question));
            QVERIFY2(question.contains(since.toString(QStringLiteral("dd.MM.yyyy HH:mm"))),
                     qPrintable(question));
        }
        if (lock == u"folder") {
            QVERIFY(QFileInfo(lockFile).isDir());
        } else if (opens) {
            // The project is this wizard's now.
            WizardFixture second;
            QVERIFY(!second.open(path));
            QCOMPARE(second.seam.messages,
                     QStringList{QStringLiteral("Проект ") + path +
                                 QStringLiteral(" уже открыт в другом окне мастера")});
        }
    }

    void aSecondNameOfAnOpenProjectIsNotOpenedAgain() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.tz"));
        const QString link = dir.filePath(QStringLiteral("same.tz"));
        writeFileBytes(path, projectBytes(sampleProject()));
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()),
                 0);
        // The session's runtime folder, where the lock by the file's identity lives.
        const bool hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
        const auto restore = qScopeGuard([&] {
            if (hadRuntime)
                qputenv("XDG_RUNTIME_DIR", oldRuntime);
            else
                qunsetenv("XDG_RUNTIME_DIR");
        });
        WizardFixture first({path});
        QCOMPARE(first.session().fileName(), path);
        WizardFixture second;
        QVERIFY(!second.open(link));
        QCOMPARE(second.seam.messages,
                 QStringList{QStringLiteral("Проект ") + link +
                             QStringLiteral(" уже открыт в другом окне мастера")});
    }

    void startUpRegistersTheProjectFileType() {
        WizardFixture f;
        const QString data = f.path(QStringLiteral("xdg-data"));
        const QString desktop =
            QString::fromUtf8(readFileBytes(data + "/applications/org.example.tzwizard.desktop"));
        QVERIFY(desktop.contains(QStringLiteral("MimeType=application/x-tzwizard-project;")));
        QVERIFY(desktop.contains(QStringLiteral("Exec=\"") +
                                 QCoreApplication::applicationFilePath() +
                                 QStringLiteral("\" %f")));
        const QString mime =
            QString::fromUtf8(readFileBytes(data + "/mime/packages/org.example.tzwizard.xml"));
        QVERIFY(mime.contains(QStringLiteral("<glob pattern=\"*.tz\"/>")));
        QVERIFY(mime.contains(QStringLiteral("type=\"application/x-tzwizard-project\"")));
        const QString apps = QString::fromUtf8(
            readFileBytes(f.path(QStringLiteral("xdg-config")) + "/mimeapps.list"));
        QVERIFY(apps.contains(QStringLiteral(
            "[Default "
            "Applications]\napplication/x-tzwizard-project=org.example.tzwizard.desktop")));
    }

    void aFailedRegistrationStillOpensTheProject() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.tz"));
        writeFileBytes(path, projectBytes(sampleProject()));
        // The data home is a file, so nothing can be written below it.
        const QString blocked = dir.filePath(QStringLiteral("blocked"));
        writeFileBytes(blocked, "x");
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", blocked.toLocal8Bit());
        ScriptedSeam seam;
        auto main = createWizard(seam, {path});
        qputenv("XDG_DATA_HOME", oldData);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        QCOMPARE(main->session().fileName(), path);
        QMetaObject::invokeMethod(main->TimerStart, "timeout", Qt::DirectConnection);
        QVERIFY(main->windows().step2->isVisible());
        QCOMPARE(main->windows().step2->PrTitle->text(), QStringLiteral("Склад"));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
