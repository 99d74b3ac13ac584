#include "app/tfrmmain.h"
#include "online/step9.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step3approval.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "pages/step4.h"
#include "pages/step6text.h"
#include "pages/step7.h"
#include "pages/step8.h"
#include "project/projectfile.h"
#include "project/projecttext.h"
#include "structure/step5.h"
#include "structure/step6.h"
#include "wizardfixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

namespace {

// Lets every write beyond a few bytes fail, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

    // Opens a project in a fresh fixture and shows the given page directly.
    void openAt(WizardFixture& f, QWidget* page) {
        const QString path = f.path(QStringLiteral("nav.tz"));
        writeFileBytes(path, projectBytes(tz::newProjectText(QStringLiteral("1"))));
        QVERIFY(f.open(path));
        page->show();
    }

    // Presses a button and checks that exactly the target is visible afterwards and that
    // the project file was written by the change.
    void press(WizardFixture& f, QPushButton* button, QWidget* target) {
        QFile::remove(f.session().fileName());
        QWidget* from = button->window();
        from->move(123, 45);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.visiblePage(), target);
        QCOMPARE(target->pos(), QPoint(123, 45));
        QVERIFY2(QFile::exists(f.session().fileName()), "the page change saves the project");
    }

private Q_SLOTS:
    void everyPageLeadsWhereTheTableSays() {
        WizardFixture f;
        Windows& w = f.w();
        openAt(f, w.step2);
        w.step2->PrTitle->setText(QStringLiteral("T"));
        w.step2->PrDescription->setPlainText(QStringLiteral("D"));
        press(f, w.step2->btnNext, w.step3os);
        press(f, w.step3os->btnPrev, w.step2);
        press(f, w.step2->btnNext, w.step3os);
        press(f, w.step3os->btnNext, w.step3owner);
        press(f, w.step3owner->btnPrev, w.step2);
        press(f, w.step2->btnNext, w.step3os);
        press(f, w.step3os->btnNext, w.step3owner);
        press(f, w.step3owner->btnNext, w.step4);
        press(f, w.step4->btnPrev, w.step3owner);
        press(f, w.step3owner->btnNext, w.step4);
        press(f, w.step4->btnNext, w.step7);
        press(f, w.step7->btnPrev, w.step4);
        press(f, w.step4->btnPrev, w.step3owner);
        press(f, w.step3owner->btnPrev, w.step2);
        press(f, w.step2->btnPrev, w.step1);
    }

    void theOnlineAndStructurePagesLeadWhereTheTableSays() {
        WizardFixture f;
        Windows& w = f.w();
        openAt(f, w.step8);
        press(f, w.step8->btnNext, w.step9);
        press(f, w.step9->btnPrev, w.step8);
        press(f, w.step8->btnPrev, w.step7);
        w.step7->hide();
        w.step5->show();
        press(f, w.step5->btnPrev, w.step4);
        w.step4->hide();
        w.step5->show();
        press(f, w.step5->btnNext, w.step6);
        press(f, w.step6->btnNext, w.step7);
        w.step7->hide();
        w.step6->show();
        press(f, w.step6->btnPrev, w.step4);
        w.step4->hide();
        w.step6->show();
        w.step4->checkMenu->setChecked(true);
        press(f, w.step6->btnPrev, w.step5);
    }

    // Extended mode: the approval page follows the company; "Главное меню" comes checked for a
    // project with a menu and leads through the structure pages, there and back; unchecked,
    // past the structure page to the additional requirements.
    void theExtendedModeLeadsThroughTheStructurePagesWhenTheMenuIsChecked() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("service.tz"));
        QVERIFY(QFile::copy(qEnvironmentVariable("TZ_TEST_SOURCE_DIR") +
                                QStringLiteral("/examples/servicecenter.tz"),
                            path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        WizardFixture f({QStringLiteral("--extended"), path});
        Windows& w = f.w();
        QCOMPARE(f.session().fileName(), path);
        QVERIFY(f.main().extendedMode());
        f.start();
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step2));
        press(f, w.step2->btnNext, w.step3os);
        press(f, w.step3os->btnNext, w.step3owner);
        press(f, w.step3owner->btnNext, w.step3approval);
        press(f, w.step3approval->btnNext, w.step4);
        QVERIFY(w.step4->checkMenu->isEnabled());
        QVERIFY(w.step4->checkMenu->isChecked());
        press(f, w.step4->btnNext, w.step5);
        press(f, w.step5->btnNext, w.step6);
        press(f, w.step6->btnNext, w.step6text);
        press(f, w.step6text->btnNext, w.step7);
        press(f, w.step7->btnPrev, w.step6text);
        press(f, w.step6text->btnPrev, w.step6);
        press(f, w.step6->btnPrev, w.step5);
        press(f, w.step5->btnPrev, w.step4);
        press(f, w.step4->btnPrev, w.step3approval);
        press(f, w.step3approval->btnPrev, w.step3owner);
        press(f, w.step3owner->btnPrev, w.step3os);
        press(f, w.step3os->btnNext, w.step3owner);
        press(f, w.step3owner->btnNext, w.step3approval);
        press(f, w.step3approval->btnNext, w.step4);
        // Unchecked, the additional requirements are still on the way.
        w.step4->checkMenu->setChecked(false);
        press(f, w.step4->btnNext, w.step6);
        press(f, w.step6->btnPrev, w.step4);
        // The box is the user's now; only another project sets it again.
        press(f, w.step4->btnPrev, w.step3approval);
        press(f, w.step3approval->btnNext, w.step4);
        QVERIFY(!w.step4->checkMenu->isChecked());
        QVERIFY(f.open(path));
        w.step4->hide();
        w.step4->show();
        QVERIFY(w.step4->checkMenu->isChecked());
        f.seam.fileAnswers = {dir.filePath(QStringLiteral("new.tz"))};
        w.step4->hide();
        w.step1->btnNewTZ->setChecked(true);
        w.step1->show();
        QTest::mouseClick(w.step1->btnNext, Qt::LeftButton);
        w.step2->hide();
        w.step4->show();
        QVERIFY(!w.step4->checkMenu->isChecked());
    }

    void aFailedSaveKeepsTheOldFileTellsTheUserAndStillChangesThePage() {
        WizardFixture f;
        Windows& w = f.w();
        openAt(f, w.step2);
        const QByteArray before = readFileBytes(f.session().fileName());
        w.step2->PrTitle->setText(QString(20000, u'я'));
        w.step2->PrDescription->setPlainText(QStringLiteral("D"));
        {
            FileSizeLimit limit(4096);
            QTest::mouseClick(w.step2->btnNext, Qt::LeftButton);
        }
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step3os));
        QCOMPARE(readFileBytes(f.session().fileName()), before);
        QCOMPARE(f.seam.messages,
                 QStringList{QStringLiteral("Ошибка записи. Не удается сохранить задание в файл ") +
                             f.session().fileName()});
        QVERIFY(f.session().text().contains(QString(20000, u'я')));
    }

    void withoutAFileNothingIsSavedOrShown() {
        WizardFixture f;
        f.session().TZnew();
        QVERIFY(f.main().TZSave());
        QVERIFY(f.seam.messages.isEmpty());
    }

    void charactersWindows1251CannotHoldAreNamedOnce() {
        WizardFixture f;
        Windows& w = f.w();
        openAt(f, w.step2);
        w.step2->PrTitle->setText(QStringLiteral("Склад 😀 \u4E2D"));
        w.step2->PrDescription->setPlainText(QStringLiteral("D"));
        QTest::mouseClick(w.step2->btnNext, Qt::LeftButton);
        QCOMPARE(f.seam.messages.size(), 1);
        QVERIFY(f.seam.messages.constFirst().contains(QStringLiteral("😀\u4E2D")));
        QVERIFY(readFileBytes(f.session().fileName()).contains("\xD1\xEA\xEB\xE0\xE4 ? ?"));
        // The same characters are not reported again at every page change.
        QTest::mouseClick(w.step3os->btnNext, Qt::LeftButton);
        QCOMPARE(f.seam.messages.size(), 1);
    }

    void closingAPageSavesFirstAndEndsTheProgram() {
        WizardFixture f;
        Windows& w = f.w();
        openAt(f, w.step2);
        QSignalSpy quit(&f.main(), &TfrmMain::quitRequested);
        w.step2->PrTitle->setText(QStringLiteral("Последняя правка"));
        w.step2->close();
        QCOMPARE(quit.count(), 1);
        QVERIFY(
            readFileBytes(f.session().fileName()).contains("\xCF\xEE\xF1\xEB\xE5\xE4\xED\xFF\xFF"));
    }

    void aCloseWhoseSaveFailsLetsTheUserChoose() {
        WizardFixture f;
        Windows& w = f.w();
        openAt(f, w.step3os);
        const QString gone = f.path(QStringLiteral("unplugged/p.tz"));
        f.session().moveTo(gone);
        QSignalSpy quit(&f.main(), &TfrmMain::quitRequested);
        // Cancel (also the answer to Escape) keeps the program open.
        w.step3os->close();
        QCOMPARE(quit.count(), 0);
        QVERIFY(w.step3os->isVisible());
        QCOMPARE(f.seam.questions.size(), 1);
        QVERIFY(f.seam.questions.constFirst().startsWith(
            QStringLiteral("Ошибка записи. Не удается сохранить задание в файл ") + gone));
        // Another file: the project lives there, and the program ends.
        const QString other = f.path(QStringLiteral("other"));
        f.seam.choiceAnswers = {0};
        f.seam.fileAnswers = {other};
        w.step3os->close();
        QCOMPARE(quit.count(), 1);
        QCOMPARE(f.seam.fileRequests.constLast().file.fileName, gone);
        QCOMPARE(f.session().fileName(), other + QStringLiteral(".tz"));
        QCOMPARE(tz::loadProjectFile(f.session().fileName()).text, f.session().text());
        // Closing without saving ends it too.
        f.session().moveTo(gone);
        f.seam.choiceAnswers = {1};
        QVERIFY(f.main().requestQuit(*w.step3os));
        QCOMPARE(quit.count(), 2);
    }

    void closingWithoutAProjectJustEnds() {
        WizardFixture f;
        f.start();
        QSignalSpy quit(&f.main(), &TfrmMain::quitRequested);
        f.w().step1->close();
        QCOMPARE(quit.count(), 1);
        QVERIFY(f.seam.messages.isEmpty());
    }

    // A title that begins with "." (written escaped by hand) is shown as it is: filling the
    // page rewrites nothing and strips nothing.
    void fillingAPageChangesNothing() {
        WizardFixture f;
        Windows& w = f.w();
        QStringList lines = tz::newProjectText(QStringLiteral("1"));
        lines.insert(lines.indexOf(".Title") + 1, QStringLiteral("\\..abc"));
        QVERIFY(f.openLines(lines));
        const QStringList before = f.session().text();
        w.step2->show();
        QCOMPARE(w.step2->PrTitle->text(), QStringLiteral("..abc"));
        QCOMPARE(f.session().text(), before);
    }

    void leadingDotsAreRemovedFromTheTitleAndPurposeAsTheyAreTyped() {
        WizardFixture f;
        Windows& w = f.w();
        openAt(f, w.step2);
        w.step2->PrTitle->setFocus();
        typeText(w.step2->PrTitle, QStringLiteral("."));
        QCOMPARE(w.step2->PrTitle->text(), QString());
        w.step2->PrTitle->setText(QStringLiteral("..Склад"));
        QCOMPARE(w.step2->PrTitle->text(), QStringLiteral("Склад"));
        QCOMPARE(tz::valueLines(f.session().text(), u".Title"), QStringList{"Склад"});
        typeText(w.step2->PrDescription, QStringLiteral("Первая\n..вторая"));
        QCOMPARE(w.step2->PrDescription->toPlainText(), QStringLiteral("Первая\nвторая"));
        QCOMPARE(tz::valueLines(f.session().text(), u".Description"),
                 QStringList{"Первая\r\nвторая"});
    }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
