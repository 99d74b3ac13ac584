#include "online/step9.h"
#include "pages/richmemo.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "pages/step4.h"
#include "pages/step8.h"
#include "pages/uiseam.h"
#include "project/projecttext.h"
#include "wizardfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QTreeView>

namespace {

// Clicks the link that shows the given text in a memo.
void clickLinkText(RichMemo* memo, const QString& text) {
    const QTextCursor found = memo->document()->find(text);
    QVERIFY(!found.isNull());
    QTextCursor inside(memo->document());
    inside.setPosition(found.selectionStart() + 2);
    const QPoint point = memo->cursorRect(inside).center();
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

// Clicks a check box on its indicator, where a click toggles it.
void clickBox(QCheckBox* box, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(box, button, Qt::NoModifier, QPoint(6, box->height() / 2));
}

} // namespace

class PageControlsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPageHasItsCaptionFrameAndNavigationStrip() {
        WizardFixture f;
        Windows& w = f.w();
        const QList<std::pair<WizardPage*, QString>> pages{
            {w.step1, "Мастер Технических Заданий - Выбор проекта"},
            {w.step2, "Название и назначение программы"},
            {w.step3os, "Операционная система"},
            {w.step3owner, "Информация о компании правообладателе конечного продукта"},
            {w.step4, "Тип программы"},
            {w.step8, "Создание программы с использованием Интернет серверов Компиляции"},
            {w.step9, "Подключение к серверу"}};
        for (const auto& [page, caption] : pages) {
            QCOMPARE(page->windowTitle(), caption);
            QCOMPARE(page->navPanel->height(), 36);
            QVERIFY(page->windowFlags() & Qt::WindowContextHelpButtonHint);
            QCOMPARE(page->font().family(), QStringLiteral("Tahoma"));
            QCOMPARE(page->font().pointSize(), 8);
            QCOMPARE(page->StatusBar->findChild<QLabel*>("StatusBarPanel0")->minimumWidth(), 180);
            QCOMPARE(page->StatusBar->findChild<QLabel*>("StatusBarPanel1")->minimumWidth(), 50);
            if (page != w.step9) {
                QCOMPARE(page->btnNext->text(), QStringLiteral("Далее >>"));
                QVERIFY(page->btnNext->isDefault());
            }
            if (page != w.step1)
                QCOMPARE(page->btnPrev->text(), QStringLiteral("<<  Вернуться"));
        }
        QVERIFY(w.step1->btnPrev == nullptr);
        QVERIFY(w.step9->btnNext == nullptr);
        QCOMPARE(w.step2->minimumSize(), w.step2->maximumSize());
        QVERIFY(w.step8->minimumWidth() >= 594 && w.step8->maximumWidth() > 594);
    }

    void theFirstPageGreetsAndLinks() {
        WizardFixture f;
        TfrmStep1* p = f.w().step1;
        QCOMPARE(p->Memos->toPlainText(), TfrmStep1::introductionLines().join(u'\n'));
        QCOMPARE(TfrmStep1::introductionLines().size(), 6);
        QCOMPARE(TfrmStep1::introductionLines().at(2), QStringLiteral("   "));
        QVERIFY(p->Memos->isReadOnly());
        // Wrapped, so that a font wider than Tahoma cuts no line off.
        QCOMPARE(p->Memos->lineWrapMode(), QTextEdit::WidgetWidth);
        QCOMPARE(p->Memos->palette().color(QPalette::Base),
                 p->palette().color(QPalette::ToolTipBase));
        QCOMPARE(p->statusPanelText(0), QStringLiteral("Мастер ТЗ (v.1.03 от 13.11.2006)"));
        QCOMPARE(p->statusPanelText(1), QString());
        QVERIFY(p->btnNewTZ->isChecked());
        QCOMPARE(p->btnSelect->text(), QStringLiteral("..."));

        f.start();
        clickLinkText(p->Memos, QStringLiteral("http://www.example.org"));
        clickLinkText(p->Memos, QStringLiteral("support@example.org"));
        QCOMPARE(f.seam.openedUrls,
                 (QList<QUrl>{QUrl("http://www.example.org"), QUrl("mailto:support@example.org")}));
        QVERIFY(f.visiblePage() == p);
    }

    void helpRequestsAreTakenAndShowNothing() {
        WizardFixture f;
        f.start();
        QTest::keyClick(f.w().step1, Qt::Key_F1);
        QEvent whatsThis(QEvent::EnterWhatsThisMode);
        QVERIFY(QCoreApplication::sendEvent(f.w().step1, &whatsThis));
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step1));
        QVERIFY(f.seam.messages.isEmpty());
    }

    void familyBoxesSetTheirMembersOnMouseReleaseOnly() {
        WizardFixture f;
        TfrmStep3os* p = f.w().step3os;
        p->show();
        clickBox(p->CheckBoxWindows);
        QVERIFY(p->CheckBoxWindows->isChecked());
        QVERIFY(p->CheckBoxWindows2000->isChecked() && p->CheckBoxWindowsXP->isChecked());
        clickBox(p->CheckBoxWindows2000);
        QVERIFY(!p->CheckBoxWindows2000->isChecked());
        QVERIFY(p->CheckBoxWindows->isChecked() && p->CheckBoxWindowsXP->isChecked());
        clickBox(p->CheckBoxWindows);
        QVERIFY(!p->CheckBoxWindows->isChecked());
        QVERIFY(!p->CheckBoxWindows2000->isChecked() && !p->CheckBoxWindowsXP->isChecked());

        p->CheckBoxServer->setFocus();
        QTest::keyClick(p->CheckBoxServer, Qt::Key_Space);
        QVERIFY(p->CheckBoxServer->isChecked());
        QVERIFY(!p->CheckBoxServer2000->isChecked() && !p->CheckBoxServer2003->isChecked());
        // The right button does not toggle the box, but its release still copies the state.
        clickBox(p->CheckBoxServer, Qt::RightButton);
        QVERIFY(p->CheckBoxServer2000->isChecked() && p->CheckBoxServer2003->isChecked());
        QCOMPARE(p->Label1->text(),
                 QStringLiteral("Для работы под управлением других операционных систем:"));
    }

    void theCompanyPageLoadsItsFieldsByTheReadingRule() {
        WizardFixture f;
        TfrmStep3owner* p = f.w().step3owner;
        p->prCompanyPhone->setText(QStringLiteral("leftover"));
        const QString path = f.path(QStringLiteral("company.tz"));
        writeFileBytes(path, projectBytes({"#", ".CompanyName", "Первая", "Вторая", ".CompanyURL",
                                           "url", ".CompanyEMail", "mail", ".CompanyInfo", "a", "b",
                                           "c", ".Finish"}));
        QVERIFY(f.open(path));
        const QStringList before = f.session().text();
        p->show();
        QCOMPARE(p->prCompanyName->text(), QStringLiteral("Вторая"));
        QCOMPARE(p->prCompanyURL->text(), QStringLiteral("url"));
        QCOMPARE(p->prCompanyEMail->text(), QStringLiteral("mail"));
        QCOMPARE(p->prCompanyPhone->text(), QString());
        QCOMPARE(p->prCompanyInfo->toPlainText(), QStringLiteral("a\nb\nc"));
        QCOMPARE(f.session().text(), before);
        QCOMPARE(p->prCompanyName->width(), 532);
        QCOMPARE(p->prCompanyURL->width(), 255);
        QCOMPARE(p->Label6->buddy(), static_cast<QWidget*>(p->prCompanyInfo));
        QCOMPARE(p->Label5->text(), QStringLiteral("Компания правообладатель (необязательно)"));
    }

    void theTitlePageTreatsAKeyOnTheFirstLineAsMissing() {
        WizardFixture f;
        const QString path = f.path(QStringLiteral("first.tz"));
        writeFileBytes(path,
                       projectBytes({".Title", "x", ".Description", "d1", "d2", "d3", ".Finish"}));
        QVERIFY(f.open(path));
        f.w().step2->show();
        QCOMPARE(f.w().step2->PrTitle->text(), QString());
        QCOMPARE(f.w().step2->PrDescription->toPlainText(), QStringLiteral("d1\nd2\nd3"));
        QCOMPARE(f.w().step2->PrTitle->width(), 476);
    }

    void theProgramTypePageOffersOnlyTheTypicalProgram() {
        WizardFixture f;
        TfrmStep4* p = f.w().step4;
        QVERIFY(p->RadioButton1->isChecked() && p->RadioButton1->isEnabled());
        for (QWidget* other : QList<QWidget*>{p->checkMenu, p->CheckBox2, p->RadioButton2,
                                              p->RadioButton3, p->RadioButton4, p->RadioButton5})
            QVERIFY(!other->isEnabled());
        QVERIFY(!p->checkMenu->isChecked());
        QCOMPARE(p->RadioButton4->text(), QStringLiteral("Сервис или служба"));
    }

    void theOnlineIntroductionWrapsItsEightLines() {
        WizardFixture f;
        TfrmStep8* p = f.w().step8;
        const QStringList lines = TfrmStep8::introductionLines();
        QCOMPARE(lines.size(), 8);
        QVERIFY(lines.at(5).contains(QStringLiteral("http://www.example.org или, используя")));
        QVERIFY(
            lines.at(5).endsWith(QStringLiteral("разработку  у любых других разработчиков ПО.")));
        QVERIFY(lines.at(7).startsWith(QStringLiteral("    Наличее")));
        QCOMPARE(p->Memos->toPlainText(), lines.join(u'\n'));
        QCOMPARE(p->Memos->lineWrapMode(), QTextEdit::WidgetWidth);
        QCOMPARE(p->JvEdit4->width(), 270);
        QCOMPARE(p->Panel11->height(), 36);
        p->show();
        clickLinkText(p->Memos, QStringLiteral("http://www.example.org"));
        QCOMPARE(f.seam.openedUrls, QList<QUrl>{QUrl("http://www.example.org")});
    }

    // Qt's own dialog writes sizes, dates and the folder type in the system's language; the
    // wizard's shows them in Russian like the rest of it.
    void theFileDialogWritesSizesDatesAndFoldersInRussian() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("папка")));
        writeFileBytes(dir.filePath(QStringLiteral("a.tz")), QByteArray(990, 'x'));
        // A font as wide as the desktop's leaves Qt's own date column too narrow.
        const QFont before = QApplication::font();
        QFont wide = before;
        wide.setPointSize(16);
        QApplication::setFont(wide);
        QHash<QString, QStringList> rows;
        int dateWidth = 0;
        int dateTextWidth = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* view =
                dialog ? dialog->findChild<QTreeView*>(QStringLiteral("treeView")) : nullptr;
            if (!view || view->model()->rowCount(view->rootIndex()) < 2)
                return;
            const QAbstractItemModel* model = view->model();
            for (int r = 0; r < model->rowCount(view->rootIndex()); ++r) {
                QStringList cells;
                for (int c = 0; c < 4; ++c)
                    cells.append(model->index(r, c, view->rootIndex()).data().toString());
                rows.insert(cells.constFirst(), cells);
            }
            dateWidth = view->header()->sectionSize(3);
            dateTextWidth =
                view->fontMetrics().horizontalAdvance(rows.value(QStringLiteral("a.tz")).value(3));
            dialog->reject();
        });
        poll.start(20);
        QtUiSeam().openFile(nullptr, {QStringLiteral("Все файлы|*"), QString(),
                                      dir.filePath(QStringLiteral("a.tz"))});
        QApplication::setFont(before);
        QCOMPARE(rows.value(QStringLiteral("папка")).value(2), QStringLiteral("Папка"));
        const QStringList file = rows.value(QStringLiteral("a.tz"));
        QCOMPARE(file.value(1), QStringLiteral("990 байт"));
        QCOMPARE(file.value(3),
                 QLocale(QLocale::Russian, QLocale::Russia)
                     .toString(QFileInfo(dir.filePath(QStringLiteral("a.tz"))).lastModified(),
                               QLocale::ShortFormat));
        QVERIFY2(dateWidth > dateTextWidth, "the date is cut short in its column");
    }
};

QTEST_MAIN(PageControlsTest)
#include "pagecontrols_test.moc"
