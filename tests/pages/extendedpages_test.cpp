#include "pages/step3approval.h"
#include "pages/step3os.h"
#include "pages/step7.h"
#include "wizardfixture.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

// The extended mode's pages where the user met a wall: the saved document out of reach, the
// OS families that disagreed with their systems, and messages that did not say why.
class ExtendedPagesTest : public QObject {
    Q_OBJECT

    static void openProject(WizardFixture& f) {
        f.session().TZnew();
        f.session().moveTo(f.path(QStringLiteral("проект.tz")));
    }

private Q_SLOTS:
    void aSavedDocumentIsAtHandAndDoneEndsTheWizard() {
        WizardFixture f({QStringLiteral("--extended")});
        openProject(f);
        TfrmStep7* page = f.w().step7;
        page->show();
        QVERIFY(!page->SavedPanel->isVisible());
        const QString document = f.path(QStringLiteral("ТЗ.docx"));
        f.seam.fileAnswers = {document};
        page->selectDOCX->setChecked(true);
        QTest::mouseClick(page->btnNext, Qt::LeftButton);
        QVERIFY(QFile::exists(document));
        QVERIFY(page->SavedPanel->isVisible());
        QCOMPARE(page->SavedLabel->text(), QStringLiteral("Документ сохранён: ") + document);
        QCOMPARE(page->focusWidget(), page->btnOpenDocument);
        QTest::keyClick(page->btnOpenDocument, Qt::Key_Space);
        QTest::mouseClick(page->btnOpenFolder, Qt::LeftButton);
        QCOMPARE(f.seam.openedUrls,
                 (QList<QUrl>{QUrl::fromLocalFile(document), QUrl::fromLocalFile(f.dir.path())}));
        QSignalSpy quit(&f.main(), &TfrmMain::quitRequested);
        QTest::mouseClick(page->btnDone, Qt::LeftButton);
        QCOMPARE(quit.count(), 1);
        QVERIFY(QFile::exists(f.session().fileName()));
    }

    void aFamilyBoxShowsItsSystemsAndSpaceTicksThemAsAClickDoes() {
        WizardFixture f({QStringLiteral("--extended")});
        openProject(f);
        TfrmStep3os* page = f.w().step3os;
        page->show();
        const QList<QCheckBox*> windows{page->CheckBoxWindows2000, page->CheckBoxWindowsXP,
                                        page->CheckBoxWindows10, page->CheckBoxWindows11};
        QTest::keyClick(page->CheckBoxWindows, Qt::Key_Space);
        for (const QCheckBox* box : windows)
            QVERIFY(box->isChecked());
        QCOMPARE(page->CheckBoxWindows->checkState(), Qt::Checked);
        page->CheckBoxWindowsXP->setChecked(false);
        QCOMPARE(page->CheckBoxWindows->checkState(), Qt::PartiallyChecked);
        QTest::mouseClick(page->CheckBoxWindows, Qt::LeftButton, Qt::NoModifier,
                          QPoint(6, page->CheckBoxWindows->height() / 2));
        QCOMPARE(page->CheckBoxWindows->checkState(), Qt::Checked);
        QVERIFY(page->CheckBoxWindowsXP->isChecked());
        QTest::keyClick(page->CheckBoxWindows, Qt::Key_Space);
        QCOMPARE(page->CheckBoxWindows->checkState(), Qt::Unchecked);
        page->CheckBoxWindows11->setChecked(true);
        // Shown again from the project, the family says what its systems are.
        page->hide();
        page->show();
        QCOMPARE(page->CheckBoxWindows->checkState(), Qt::PartiallyChecked);
        // Tab goes down the desktop column before the server one.
        QCOMPARE(page->CheckBoxWindows11->nextInFocusChain(), page->CheckBoxServer);
        QCOMPARE(page->CheckBoxWindowsXP->nextInFocusChain(), page->CheckBoxWindows10);
    }

    void designationsAndSaveErrorsAreTakenAndToldAsAUserExpects() {
        WizardFixture f({QStringLiteral("--extended")});
        openProject(f);
        TfrmStep3approval* page = f.w().step3approval;
        page->show();
        QApplication::setActiveWindow(page);
        page->prDesignation->setFocus();
        QTRY_VERIFY(page->prDesignation->hasFocus());
        typeText(page->prDesignation, QStringLiteral("643.1234"));
        QVERIFY2(page->DesignationHint->isHidden(), "no hint while the designation is typed");
        const int below = page->Label3->y();
        page->prAgreedName->setFocus();
        QTRY_VERIFY(page->DesignationHint->isVisible());
        QCOMPARE(page->Label3->y(), below);
        page->prDesignation->setText(QStringLiteral("643.12345678.00001-01"));
        QVERIFY(page->DesignationHint->isHidden());
        page->prDesignation->setText(QStringLiteral("RU.12345678.00001-01 ТЗ 01"));
        QCOMPARE(page->prDesignation->text(), QStringLiteral("RU.12345678.00001-01"));
        QCOMPARE(f.session().model().values().designation, page->prDesignation->text());

        const QString gone = f.path(QStringLiteral("нет/проект.tz"));
        f.session().moveTo(gone);
        QVERIFY(!f.main().TZSave());
        QCOMPARE(f.seam.messages,
                 QStringList{QStringLiteral("Ошибка записи. Не удается сохранить задание в файл ") +
                             gone + QStringLiteral(": папка не найдена")});
    }
};

QTEST_MAIN(ExtendedPagesTest)
#include "extendedpages_test.moc"
