#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step3approval.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "pages/step4.h"
#include "pages/step6text.h"
#include "pages/step7.h"
#include "project/codec1251.h"
#include "project/projectfile.h"
#include "project/projecttext.h"
#include "project/random32.h"
#include "structure/menutreeview.h"
#include "structure/step5.h"
#include "structure/step6.h"
#include "wizardfixture.h"

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList fileLines(const QString& path) {
    return tz::parseProjectBytes(readFileBytes(path));
}

QStringList newProjectLines(const QString& uid) {
    return tz::newProjectText(uid);
}

QString todayUid() {
    return QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral("100000128241");
}

} // namespace

class WizardFlowTest : public QObject {
    Q_OBJECT

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Every extended value of the project is shown on its page again.
    void reopenExtended(const QString& path) {
        WizardFixture f({QStringLiteral("--extended"), path});
        Windows& w = f.w();
        f.start();
        QVERIFY(w.step3os->CheckBoxWindowsXP->isChecked() && w.step3os->CheckBoxAstra->isChecked());
        QVERIFY(!w.step3os->CheckBoxWindows2000->isChecked());
        QCOMPARE(w.step3os->EditOS->text(), QStringLiteral("Astra Linux 1.7"));
        QCOMPARE(w.step3approval->prCustomer->text(), QStringLiteral("АО «Заказчик»"));
        QCOMPARE(w.step3approval->prApprovedName->text(), QStringLiteral("П. П. Петров"));
        QCOMPARE(w.step3approval->prExecutor->text(), QStringLiteral("ИП Петров"));
        QCOMPARE(w.step3approval->prDesignation->text(), QStringLiteral("RU.12345678.00001-01"));
        QCOMPARE(w.step3approval->prBasis->toPlainText(),
                 QStringLiteral("Договор № 5\nот 01.12.2026"));
        w.step2->hide();
        w.step6->show();
        QCOMPARE(w.step6->MenuDescription->toPlainText(), QStringLiteral("ПЭВМ"));
        w.step6->uMenu->setCurrentIndex(w.step6->uMenu->model()->index(1, 0));
        QCOMPARE(w.step6->MenuDescription->toPlainText(), QStringLiteral("Два оператора"));
    }

private Q_SLOTS:
    void init() { tz::processRandom() = tz::Random32(0); }

    void aNewProjectFromTheFirstPageToTheDocumentPage() {
        WizardFixture f;
        Windows& w = f.w();
        f.start();
        const QString typed = f.path(QStringLiteral("Новый проект"));
        const QString path = typed + QStringLiteral(".tz");
        f.seam.fileAnswers = {typed};
        click(w.step1->btnNext);

        QCOMPARE(f.seam.fileRequests.size(), 1);
        const ScriptedSeam::Request& dialog = f.seam.fileRequests.constFirst();
        QVERIFY(dialog.save);
        QCOMPARE(dialog.file.filter,
                 QStringLiteral("Техническое задание (*.tz)|*.tz|Все файлы (*.*)|*.*"));
        QCOMPARE(dialog.file.defaultSuffix, QStringLiteral("tz"));
        QVERIFY(dialog.file.confirmOverwrite);

        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step2));
        QCOMPARE(f.session().fileName(), path);
        QCOMPARE(readFileBytes(path), projectBytes(newProjectLines(todayUid())));
        QCOMPARE(w.step1->prFilename->text(), path);
        QVERIFY(w.step1->btnOldTZ->isChecked());

        typeText(w.step2->PrTitle, QStringLiteral("Учёт товаров"));
        typeText(w.step2->PrDescription, QStringLiteral("Склад\nи магазин"));
        click(w.step2->btnNext);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step3os));
        QStringList lines = fileLines(path);
        QCOMPARE(tz::valueLines(lines, u".Title"), QStringList{"Учёт товаров"});
        QCOMPARE(tz::valueLines(lines, u".Description"), (QStringList{"Склад", "и магазин"}));
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList{".NewTitle", ".Finish"}));

        click(w.step3os->btnNext);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step3owner));
        typeText(w.step3owner->prCompanyName, QStringLiteral("ООО Ромашка"));
        typeText(w.step3owner->prCompanyInfo, QStringLiteral("а\nб\nв"));
        click(w.step3owner->btnNext);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step4));
        lines = fileLines(path);
        QCOMPARE(tz::valueLines(lines, u".CompanyName"), QStringList{"ООО Ромашка"});
        QCOMPARE(tz::valueLines(lines, u".CompanyInfo"), (QStringList{"а", "б", "в"}));
        QCOMPARE(tz::valueLines(lines, u".CompanyPhone"), QStringList{""});

        click(w.step4->btnNext);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step7));
        QCOMPARE(fileLines(path), lines);
        QVERIFY(f.seam.messages.isEmpty());
    }

    // Extended mode: a new project through the systems, the approval page, the structure and
    // the additional requirements to a document that lists the tree and the company; every
    // value comes back on its page when the project is opened again, and a wizard in the
    // default mode keeps the extended blocks as they are.
    void anExtendedProjectFromTheFirstPageThroughTheStructureToTheDocument() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("меню.tz"));
        QStringList blocks;
        QByteArray written;
        {
            WizardFixture f({QStringLiteral("--extended")});
            Windows& w = f.w();
            f.start();
            f.seam.fileAnswers = {dir.filePath(QStringLiteral("меню"))};
            click(w.step1->btnNext);
            typeText(w.step2->PrTitle, QStringLiteral("Касса"));
            typeText(w.step2->PrDescription, QStringLiteral("Продажи"));
            click(w.step2->btnNext);
            w.step3os->CheckBoxWindowsXP->click();
            w.step3os->CheckBoxAstra->click();
            typeText(w.step3os->EditOS, QStringLiteral("Astra Linux 1.7"));
            click(w.step3os->btnNext);
            typeText(w.step3owner->prCompanyName, QStringLiteral("ИП Иванов"));
            click(w.step3owner->btnNext);

            TfrmStep3approval* approval = w.step3approval;
            QCOMPARE(f.visiblePage(), static_cast<QWidget*>(approval));
            typeText(approval->prCustomer, QStringLiteral("АО «Заказчик»"));
            typeText(approval->prAgreedPosition, QStringLiteral("Директор"));
            typeText(approval->prAgreedName, QStringLiteral("И. И. Иванов"));
            typeText(approval->prApprovedPosition, QStringLiteral("Руководитель"));
            typeText(approval->prApprovedName, QStringLiteral("П. П. Петров"));
            typeText(approval->prExecutor, QStringLiteral("ИП Петров"));
            typeText(approval->prDesignation, QStringLiteral("RU.1234"));
            QVERIFY(approval->DesignationHint->isVisible());
            click(approval->btnNext);
            QCOMPARE(f.visiblePage(), static_cast<QWidget*>(approval));
            QCOMPARE(f.seam.messages.size(), 1);
            QVERIFY(f.seam.messages.constFirst().contains(
                QStringLiteral("«RU.1234» записано неверно")));
            QCOMPARE(f.session().model().values().designation, QStringLiteral("RU.1234"));
            typeText(approval->prDesignation, QStringLiteral("5678.00001-01"));
            QVERIFY(approval->DesignationHint->isHidden());
            typeText(approval->prBasis, QStringLiteral("Договор № 5\nот 01.12.2026"));
            click(approval->btnNext);
            QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step4));
            QVERIFY(!w.step4->checkMenu->isChecked());
            QTest::mouseClick(w.step4->checkMenu, Qt::LeftButton, Qt::NoModifier,
                              QPoint(6, w.step4->checkMenu->height() / 2));
            click(w.step4->btnNext);
            QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step5));

            TfrmStep5* structure = w.step5;
            const QPersistentModelIndex root = structure->uMenu->model()->index(0, 0);
            const auto add = [&](const QModelIndex& under, const QString& caption) {
                structure->uMenu->setCurrentIndex(under);
                click(structure->btnAddMenu);
                structure->MenuCaption->selectAll();
                typeText(structure->MenuCaption, caption);
                return QPersistentModelIndex(structure->uMenu->currentIndex());
            };
            const QPersistentModelIndex sales = add(root, QStringLiteral("Продажа"));
            const QPersistentModelIndex check = add(sales, QStringLiteral("Чек"));
            const QPersistentModelIndex reports = add(root, QStringLiteral("Отчёты"));
            const auto kindLine = [&](const QModelIndex& item, const char* kind) {
                return QString::number(structure->recordOf(item)->Uid) + u' ' + kind;
            };
            click(structure->btnNext);
            QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step6));
            QVERIFY(w.step6->MenuDescription->isVisible());
            typeText(w.step6->MenuDescription, QStringLiteral("ПЭВМ"));
            w.step6->uMenu->setCurrentIndex(w.step6->uMenu->model()->index(1, 0));
            typeText(w.step6->MenuDescription, QStringLiteral("Два оператора"));
            click(w.step6->btnNext);
            QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step6text));
            click(w.step6text->btnNext);
            QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step7));

            // Items that still carry the new item's texts are named before a save; going
            // back leads to the first of them.
            const QString document = f.path(QStringLiteral("меню.html"));
            f.seam.fileAnswers = {document};
            w.step7->selectHTML->setChecked(true);
            click(w.step7->btnNext);
            QCOMPARE(f.seam.questions.size(), 1);
            for (const char* item :
                 {"2.1.1. Продажа — «Описание не готово»", "2.1.1.1. Чек — «Описание не готово»",
                  "2.1.2. Отчёты — «Описание не готово»"})
                QVERIFY(f.seam.questions.constFirst().contains(QString::fromUtf8(item)));
            QCOMPARE(f.visiblePage(), static_cast<QWidget*>(structure));
            QCOMPARE(structure->MenuCaption->text(), QStringLiteral("Продажа"));
            QVERIFY(!QFile::exists(document));
            click(structure->btnNext);
            click(w.step6->btnNext);
            f.seam.choiceAnswers = {0};
            click(w.step7->btnNext);
            const QStringList lines = tz::decode1251(readFileBytes(document)).split("\r\n");
            QVERIFY(lines.contains("<p>Наименование программы: «Касса».</p>"));
            QVERIFY(lines.contains("<p>Исполнитель: ИП Петров.</p>"));
            QVERIFY(lines.contains("<p>Правообладатель: ИП Иванов.</p>"));
            static const QRegularExpression item("^<p[^>]*>(2\\.1\\.\\d[.\\d]* [^<]*)</p>$");
            QStringList items;
            for (const QString& line : lines) {
                const QRegularExpressionMatch match = item.match(line);
                if (match.hasMatch())
                    items.append(match.captured(1));
            }
            QCOMPARE(items, (QStringList{"2.1.1. Продажа", "2.1.1.1. Чек", "2.1.2. Отчёты"}));
            QCOMPARE(f.seam.messages.size(), 1);
            written = readFileBytes(path);
            blocks = fileLines(path).mid(fileLines(path).indexOf(".OS"));
            QCOMPARE(blocks, (QStringList{".OS",
                                          "Windows XP",
                                          "Astra Linux",
                                          ".OSOther",
                                          "Astra Linux 1.7",
                                          ".Hardware",
                                          "ПЭВМ",
                                          ".Staff",
                                          "Два оператора",
                                          ".Customer",
                                          "АО «Заказчик»",
                                          ".AgreedBy",
                                          "Директор",
                                          "И. И. Иванов",
                                          ".ApprovedBy",
                                          "Руководитель",
                                          "П. П. Петров",
                                          ".Designation",
                                          "RU.12345678.00001-01",
                                          ".Basis",
                                          "Договор № 5",
                                          "от 01.12.2026",
                                          ".Executor",
                                          "ИП Петров",
                                          ".Documents",
                                          "Техническое задание",
                                          "Программа и методика испытаний",
                                          "Руководство оператора",
                                          ".Stages",
                                          "Техническое задание\t",
                                          "Рабочий проект\t",
                                          "Внедрение\t",
                                          ".Kinds",
                                          kindLine(sales, "s"),
                                          kindLine(check, "u"),
                                          kindLine(reports, "u"),
                                          ".NewTitle",
                                          ".Finish"}));
        }
        reopenExtended(path);

        WizardFixture plain({path});
        plain.start();
        plain.w().step2->PrTitle->end(false);
        typeText(plain.w().step2->PrTitle, QStringLiteral("!"));
        click(plain.w().step2->btnNext);
        QCOMPARE(fileLines(path).mid(fileLines(path).indexOf(".OS")), blocks);
        QCOMPARE(tz::singleValue(fileLines(path), u".Title"), QStringLiteral("Касса!"));
        QVERIFY(written != readFileBytes(path));
    }

    void theTitlePageAsksForTitleThenPurpose() {
        WizardFixture f;
        Windows& w = f.w();
        f.session().TZnew();
        w.step2->show();
        click(w.step2->btnNext);
        click(w.step2->btnNext);
        w.step2->PrTitle->setText(QStringLiteral(" "));
        click(w.step2->btnNext);
        QCOMPARE(f.seam.messages, (QStringList{"Заполните поле с названием программы",
                                               "Заполните поле с названием программы",
                                               "Заполните поле с описанием программы"}));
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step2));
        w.step2->PrDescription->setPlainText(QStringLiteral("\n"));
        click(w.step2->btnNext);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step3os));
    }

    void companyDataOfAnOpenedProjectSurvivesAnEarlyTitleEdit() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("firm.tz"));
        const QStringList project{"#",
                                  ".ProjectUID",
                                  "20060101111111222222",
                                  ".Title",
                                  "Старое",
                                  ".Description",
                                  "Назначение",
                                  ".CompanyName",
                                  "ЗАО Вектор",
                                  ".CompanyURL",
                                  "http://vector.example.org",
                                  ".CompanyEMail",
                                  "mail@vector.example.org",
                                  ".CompanyPhone",
                                  "123",
                                  ".CompanyInfo",
                                  "строка 1",
                                  "строка 2",
                                  ".Structure",
                                  ".Menu",
                                  ".NewTitle",
                                  ".Finish"};
        writeFileBytes(path, projectBytes(project));
        WizardFixture f({path});
        f.start();
        Windows& w = f.w();
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step2));
        // The page opens with the title selected, as a dialog's first field is.
        QTest::keyClick(w.step2->PrTitle, Qt::Key_End);
        typeText(w.step2->PrTitle, QStringLiteral("!"));
        click(w.step2->btnNext);
        QStringList expected = project;
        expected[4] = QStringLiteral("Старое!");
        QCOMPARE(fileLines(path), expected);
    }

    void backToTheFirstPageAndAnotherNewProject() {
        WizardFixture f;
        Windows& w = f.w();
        f.start();
        f.seam.fileAnswers = {f.path(QStringLiteral("one.tz"))};
        click(w.step1->btnNext);
        w.step2->PrTitle->setText(QStringLiteral("Первый"));
        w.step2->PrDescription->setPlainText(QStringLiteral("Первое назначение"));
        click(w.step2->btnPrev);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step1));
        // Old project is selected now; choosing "new" again makes a second file.
        w.step1->btnNewTZ->setChecked(true);
        f.seam.fileAnswers = {f.path(QStringLiteral("two.tz"))};
        click(w.step1->btnNext);
        QCOMPARE(f.session().fileName(), f.path(QStringLiteral("two.tz")));
        QCOMPARE(w.step2->PrTitle->text(), QString());
        QCOMPARE(w.step2->PrDescription->toPlainText(), QString());
        QCOMPARE(tz::valueLines(fileLines(f.path(QStringLiteral("one.tz"))), u".Title"),
                 QStringList{"Первый"});
        QCOMPARE(fileLines(f.path(QStringLiteral("two.tz"))).size(), 18);
    }

    void backAndNextOnTheFirstPageReloadsTheSameProject() {
        WizardFixture f;
        Windows& w = f.w();
        f.start();
        f.seam.fileAnswers = {f.path(QStringLiteral("same.tz"))};
        click(w.step1->btnNext);
        w.step2->PrTitle->setText(QStringLiteral("Заголовок"));
        click(w.step2->btnPrev);
        w.step2->PrTitle->clear();
        click(w.step1->btnNext);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step2));
        QCOMPARE(w.step2->PrTitle->text(), QStringLiteral("Заголовок"));
        QCOMPARE(f.seam.fileRequests.size(), 1);
    }

    void aCancelledSaveDialogChangesNothing() {
        WizardFixture f;
        f.start();
        QTest::mouseClick(f.w().step1->btnNext, Qt::LeftButton);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step1));
        QVERIFY(f.session().fileName().isEmpty());
        QVERIFY(f.session().text().isEmpty());
    }

    void openingAnExistingProject() {
        WizardFixture f;
        Windows& w = f.w();
        f.start();
        const QString path = f.path(QStringLiteral("old.tz"));
        writeFileBytes(path, projectBytes({"#", ".ProjectUID", "20050505123123456456", ".Title",
                                           "Есть", ".Description", "Текст", ".Finish"}));
        // Old project with no path: the open dialog is offered and the page stays.
        w.step1->btnOldTZ->setChecked(true);
        f.seam.fileAnswers = {path};
        click(w.step1->btnNext);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step1));
        QCOMPARE(w.step1->prFilename->text(), path);
        QVERIFY(!f.seam.fileRequests.constFirst().save);
        click(w.step1->btnNext);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step2));
        QCOMPARE(w.step2->PrTitle->text(), QStringLiteral("Есть"));
        QCOMPARE(f.session().projectUid(), QStringLiteral("20050505123123456456"));
        // The page change wrote the text just loaded back to the file, unchanged.
        QCOMPARE(fileLines(path), (QStringList{"#", ".ProjectUID", "20050505123123456456", ".Title",
                                               "Есть", ".Description", "Текст", ".Finish"}));
    }

    void theSelectButtonFillsThePathOrChangesNothing() {
        WizardFixture f;
        Windows& w = f.w();
        f.start();
        click(w.step1->btnSelect);
        QVERIFY(w.step1->btnNewTZ->isChecked());
        QVERIFY(w.step1->prFilename->text().isEmpty());
        f.seam.fileAnswers = {QStringLiteral("/some/where.tz")};
        click(w.step1->btnSelect);
        QVERIFY(w.step1->btnOldTZ->isChecked());
        QCOMPARE(w.step1->prFilename->text(), QStringLiteral("/some/where.tz"));
        QCOMPARE(f.seam.fileRequests.at(1).file.filter,
                 QStringLiteral("Техническое задание (*.tz)|*.tz|Все файлы (*.*)|*.*"));
    }

    void unreadableAndForeignFilesAreRefusedAndTheOpenProjectKept() {
        WizardFixture f;
        Windows& w = f.w();
        f.start();
        f.seam.fileAnswers = {f.path(QStringLiteral("mine.tz"))};
        click(w.step1->btnNext);
        w.step2->PrTitle->setText(QStringLiteral("Моё"));
        click(w.step2->btnPrev);

        const QString folder = f.path(QStringLiteral("folder.tz"));
        QDir().mkpath(folder);
        w.step1->prFilename->setText(folder);
        click(w.step1->btnNext);
        const QString image = f.path(QStringLiteral("image.tz"));
        writeFileBytes(image, QByteArray("\x89PNG\r\n\x1a\n\0\0IHDR", 14));
        w.step1->prFilename->setText(image);
        click(w.step1->btnNext);
        QCOMPARE(f.seam.messages,
                 (QStringList{QStringLiteral("Не удается открыть файл ") + folder,
                              QStringLiteral("Файл ") + image +
                                  QStringLiteral(" не является техническим заданием")}));
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step1));
        QCOMPARE(f.session().fileName(), f.path(QStringLiteral("mine.tz")));
        QCOMPARE(readFileBytes(image), QByteArray("\x89PNG\r\n\x1a\n\0\0IHDR", 14));
        QCOMPARE(tz::valueLines(f.session().text(), u".Title"), QStringList{"Моё"});
    }

    void anEmptyFileAndATruncatedProjectStillOpen() {
        WizardFixture f;
        Windows& w = f.w();
        f.start();
        const QString empty = f.path(QStringLiteral("empty.tz"));
        writeFileBytes(empty, QByteArray());
        w.step1->btnOldTZ->setChecked(true);
        w.step1->prFilename->setText(empty);
        click(w.step1->btnNext);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(w.step2));
        QCOMPARE(f.session().fileName(), empty);

        const QString cut = f.path(QStringLiteral("cut.tz"));
        writeFileBytes(cut, QByteArray("#\r\n.Title\r\nНачало\r\n.Finish\r\n\0\0\0garbage", 40));
        click(w.step2->btnPrev);
        w.step1->prFilename->setText(cut);
        click(w.step1->btnNext);
        QCOMPARE(f.session().fileName(), cut);
        QVERIFY(f.seam.messages.isEmpty());
    }

    void operatingSystemChoicesLiveOnlyInTheControls() {
        WizardFixture f;
        Windows& w = f.w();
        f.start();
        f.seam.fileAnswers = {f.path(QStringLiteral("os.tz"))};
        click(w.step1->btnNext);
        w.step2->PrTitle->setText(QStringLiteral("T"));
        w.step2->PrDescription->setPlainText(QStringLiteral("D"));
        click(w.step2->btnNext);
        QTest::mouseClick(w.step3os->CheckBoxServer, Qt::LeftButton, Qt::NoModifier,
                          QPoint(6, w.step3os->CheckBoxServer->height() / 2));
        w.step3os->EditOS->setText(QStringLiteral("Linux"));
        click(w.step3os->btnNext);
        click(w.step3owner->btnNext);
        click(w.step4->btnPrev);
        click(w.step3owner->btnPrev);
        click(w.step2->btnPrev);
        w.step1->btnNewTZ->setChecked(true);
        f.seam.fileAnswers = {f.path(QStringLiteral("other.tz"))};
        click(w.step1->btnNext);
        QVERIFY(w.step3os->CheckBoxServer->isChecked());
        QVERIFY(w.step3os->CheckBoxServer2003->isChecked());
        QCOMPARE(w.step3os->EditOS->text(), QStringLiteral("Linux"));
        for (const QString& file : {QStringLiteral("os.tz"), QStringLiteral("other.tz")}) {
            const QByteArray bytes = readFileBytes(f.path(file));
            QVERIFY(!bytes.contains("Linux"));
            QVERIFY(!bytes.contains("Windows 2003"));
        }
    }
};

QTEST_MAIN(WizardFlowTest)
#include "wizardflow_test.moc"
