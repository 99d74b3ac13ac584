#include "app/tfrmmain.h"
#include "pages/projectmemo.h"
#include "pages/step2.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "project/projectfile.h"
#include "project/projecttext.h"
#include "wizardfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

// Broken, foreign and huge files, and places that cannot be written: the wizard keeps
// running, tells the user where it must, and loses nothing the user made.
class HostileTest : public QObject {
    Q_OBJECT

    void openInWizard(WizardFixture& f, const QString& path) {
        QVERIFY(f.open(path));
        f.w().step2->show();
    }

private Q_SLOTS:
    // A logout, a killed session or a lost display right after typing on a page.
    void whatWasTypedSurvivesTheSessionsEnd_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
        // Nothing tells the wizard that the display goes: a short pause must do.
        QTest::newRow("a pause, then the display goes") << 0;
    }

    void whatWasTypedSurvivesTheSessionsEnd() {
        QFETCH(int, signal);
        WizardFixture f;
        const QString path = f.path(QStringLiteral("p.tz"));
        writeFileBytes(path, projectBytes(tz::newProjectText(QStringLiteral("1"))));
        openInWizard(f, path);
        QSignalSpy quit(&f.main(), &TfrmMain::quitRequested);
        typeText(f.w().step2->PrTitle, QStringLiteral("Склад"));
        if (signal != 0) {
            ::raise(signal);
            QTRY_COMPARE(quit.count(), 1);
        }
        QTRY_COMPARE(tz::singleValue(tz::loadProjectFile(path).text, u".Title"),
                     QStringLiteral("Склад"));
        QVERIFY(f.seam.messages.isEmpty());
        QVERIFY(f.seam.questions.isEmpty());
    }

    // Qt closes the windows left on the way out; a page's close would ask again about the
    // file another program changed, and a wizard no one answers would never end.
    void theWayOutAfterASignalAsksNothing() {
        WizardFixture f;
        const QString path = f.path(QStringLiteral("p.tz"));
        writeFileBytes(path, projectBytes(tz::newProjectText(QStringLiteral("1"))));
        openInWizard(f, path);
        typeText(f.w().step2->PrTitle, QStringLiteral("Склад"));
        writeFileBytes(path, projectBytes(tz::newProjectText(QStringLiteral("2"))));
        QSignalSpy quit(&f.main(), &TfrmMain::quitRequested);
        ::raise(SIGTERM);
        QTRY_COMPARE(quit.count(), 1);
        f.w().step2->show();
        QVERIFY(f.w().step2->close());
        QVERIFY(f.seam.questions.isEmpty());
    }

    void aHundredMebibyteProjectOpensAndSaves() {
        WizardFixture f;
        const QString path = f.path(QStringLiteral("huge.tz"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(
                "#\r\n.Title\r\n\xD1\xEA\xEB\xE0\xE4\r\n.Description\r\nd\r\n.Attachment\r\n");
            const QByteArray line = QByteArray(1023, 'x') + '\n';
            for (int i = 0; i < 100 * 1024; ++i)
                file.write(line);
            file.write(".Finish\r\n");
        }
        openInWizard(f, path);
        QCOMPARE(f.w().step2->PrTitle->text(), QStringLiteral("Склад"));
        f.w().step2->PrTitle->end(false);
        typeText(f.w().step2->PrTitle, QStringLiteral("!"));
        QVERIFY(f.main().TZSave());
        const tz::LoadResult back = tz::loadProjectFile(path);
        QVERIFY(back.ok);
        QCOMPARE(tz::singleValue(back.text, u".Title"), QStringLiteral("Склад!"));
        QCOMPARE(tz::valueLines(back.text, u".Attachment").size(), 100 * 1024);
    }

    // Far beyond any project: a file is refused before it is read, and a text of more lines
    // than Qt lays out in a moment is kept but not shown; the wizard neither ends nor freezes.
    void hugeInputIsRefusedOrKeptUnshown() {
        WizardFixture f;
        const QString sparse = f.path(QStringLiteral("sparse.tz"));
        {
            QFile file(sparse);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(100) << 30));
        }
        QVERIFY(!f.open(sparse));
        QCOMPARE(f.seam.messages,
                 QStringList{QStringLiteral("Файл ") + sparse +
                             QStringLiteral(" слишком велик для технического задания: мастер "
                                            "открывает файлы до 512 МиБ и до 20 000 000 строк")});
        QVERIFY(f.session().fileName().isEmpty());

        const QString lines = f.path(QStringLiteral("lines.tz"));
        writeFileBytes(lines, "#\r\n.Title\r\n\r\n.Description\r\n" +
                                  QByteArray("x\r\n").repeated(200000) +
                                  ".NewTitle\r\n.Finish\r\n");
        openInWizard(f, lines);
        ProjectMemo* purpose = f.w().step2->PrDescription;
        QVERIFY(purpose->isReadOnly());
        QVERIFY(purpose->toPlainText().contains(QStringLiteral("200 000 строк")));
        typeText(f.w().step2->PrTitle, QStringLiteral("Склад"));
        QVERIFY(f.main().TZSave());
        const QStringList saved = tz::loadProjectFile(lines).text;
        QCOMPARE(tz::singleValue(saved, u".Title"), QStringLiteral("Склад"));
        QCOMPARE(tz::valueLines(saved, u".Description"), QStringList(200000, QStringLiteral("x")));
    }

    // An opened project's memo values become one entry each after the first rewrite; a line
    // of such an entry that begins with "." must still come back as typed, every time the
    // page is shown, and stay as it is in the file.
    void aMemoLineBeginningWithADotComesBackAsTypedAfterAReopen() {
        const QString typed = QStringLiteral("Сервисный центр\r\n..info\r\n.NET");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.tz"));
        writeFileBytes(path, projectBytes(tz::newProjectText(QStringLiteral("1"))));
        {
            WizardFixture f;
            openInWizard(f, path);
            f.w().step3owner->prCompanyInfo->setPlainText(
                QString(typed).replace(QLatin1String("\r\n"), QLatin1String("\n")));
            QVERIFY(f.main().TZSave());
        }
        const QByteArray saved = readFileBytes(path);
        WizardFixture f;
        openInWizard(f, path);
        QCoreApplication::processEvents();
        for (int shown = 0; shown < 2; ++shown) {
            f.w().step3owner->hide();
            f.w().step3owner->show();
            QCOMPARE(f.w().step3owner->prCompanyInfo->projectText(), typed);
            f.session().TZrenew();
            QVERIFY(f.main().TZSave());
            QCOMPARE(readFileBytes(path), saved);
        }
    }

    void oddButReadableFilesOpen() {
        WizardFixture f;
        // Lone CRs only, keys in odd case and twice, no ".Finish", a 1 MB line.
        const QString path = f.path(QStringLiteral("odd.tz"));
        writeFileBytes(path, QByteArray("#\r.TITLE\rfirst\r.title\rsecond\r.Description\r") +
                                 QByteArray(1 << 20, 'a') + "\r.CompanyName\rfirm\r#");
        openInWizard(f, path);
        QCOMPARE(f.w().step2->PrTitle->text(), QStringLiteral("first"));
        QCOMPARE(f.w().step2->PrDescription->toPlainText().size(), 1 << 20);
        // A line that long is shown unwrapped: wrapping it would freeze the window.
        QCOMPARE(f.w().step2->PrDescription->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(f.w().step3owner->prCompanyInfo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QApplication::clipboard()->setText(QString(200000, u'я'));
        f.w().step3owner->prCompanyInfo->paste();
        QCOMPARE(f.w().step3owner->prCompanyInfo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(f.w().step3owner->prCompanyInfo->toPlainText().size(), 200000);
        QCOMPARE(f.w().step3owner->prCompanyName->text(), QStringLiteral("firm"));
        f.session().TZrenew();
        QVERIFY(f.main().TZSave());
        const QStringList saved = tz::parseProjectBytes(readFileBytes(path));
        QCOMPARE(saved.constLast(), QStringLiteral(".Finish"));
        QCOMPARE(tz::singleValue(saved, u".Title"), QStringLiteral("first"));
        QCOMPARE(saved.count(QStringLiteral(".title")), 1);
        QCOMPARE(tz::singleValue(saved, u".CompanyName"), QStringLiteral("firm"));
        QVERIFY(readFileBytes(path).contains("\r\n.TITLE\r\nfirst\r\n"));
    }

    void savingWhereNothingCanBeWrittenTellsTheUser() {
        WizardFixture f;
        const QString blocker = f.path(QStringLiteral("file"));
        writeFileBytes(blocker, "x");
        for (const QString& target :
             {QStringLiteral("/dev/full"), f.dir.path(), blocker + QStringLiteral("/below.tz")}) {
            f.seam.messages.clear();
            f.session().TZnew();
            f.session().moveTo(target);
            QVERIFY(!f.main().TZSave());
            QCOMPARE(
                f.seam.messages,
                QStringList{QStringLiteral("Ошибка записи. Не удается сохранить задание в файл ") +
                            target});
            QCOMPARE(f.session().text().size(), 18);
        }
        QCOMPARE(readFileBytes(blocker), QByteArray("x"));
    }

    void aProjectFileDeletedOrChangedWhileOpen() {
        WizardFixture f;
        const QString path = f.path(QStringLiteral("gone.tz"));
        writeFileBytes(path, projectBytes(tz::newProjectText(QStringLiteral("1"))));
        openInWizard(f, path);
        f.w().step2->PrTitle->setText(QStringLiteral("Моя работа"));
        QFile::remove(path);
        f.w().step2->PrDescription->setPlainText(QStringLiteral("D"));
        QTest::mouseClick(f.w().step2->btnNext, Qt::LeftButton);
        QCOMPARE(tz::singleValue(tz::loadProjectFile(path).text, u".Title"),
                 QStringLiteral("Моя работа"));
        QVERIFY(f.seam.questions.isEmpty());
        // Another program's change is kept until the user says to write over it.
        const QByteArray other = "changed by another program";
        writeFileBytes(path, other);
        const QString question = QStringLiteral("Файл ") + path +
                                 QStringLiteral(" изменён другой программой. Записать поверх "
                                                "него изменения из мастера?");
        f.seam.choiceAnswers = {1};
        QTest::mouseClick(f.w().step3os->btnPrev, Qt::LeftButton);
        QCOMPARE(f.seam.questions, QStringList{question});
        QCOMPARE(readFileBytes(path), other);
        QCOMPARE(tz::singleValue(f.session().text(), u".Title"), QStringLiteral("Моя работа"));
        f.seam.choiceAnswers = {0};
        QTest::mouseClick(f.w().step2->btnPrev, Qt::LeftButton);
        QCOMPARE(f.seam.questions, (QStringList{question, question}));
        QCOMPARE(tz::singleValue(tz::loadProjectFile(path).text, u".Title"),
                 QStringLiteral("Моя работа"));
        // Written by the wizard itself, the file needs no question.
        QVERIFY(f.main().TZSave());
        QCOMPARE(f.seam.questions.size(), 2);
    }
};

QTEST_MAIN(HostileTest)
#include "hostile_test.moc"
