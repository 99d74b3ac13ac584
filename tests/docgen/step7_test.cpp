#include "docgen/docformat.h"
#include "docgen/docwriter.h"
#include "pages/step2.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "pages/step4.h"
#include "pages/step7.h"
#include "pages/step8.h"
#include "project/addresses.h"
#include "wizardfixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
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

class Step7Test : public QObject {
    Q_OBJECT

    // A fixture showing the document page for a project of the given file name.
    void prepare(WizardFixture& f, const QString& projectFile) {
        QVERIFY(f.openLines({"#", ".ProjectUID", "20260108123456654321", ".Finish"}));
        f.session().moveTo(projectFile);
        f.w().step7->show();
    }

    void press(WizardFixture& f) { QTest::mouseClick(f.w().step7->btnNext, Qt::LeftButton); }

    // The document the writer makes for the page's current values.
    QByteArray expected(WizardFixture& f, tz::DocFormat format) {
        const TfrmStep2* step2 = f.w().step2;
        const QByteArray bytes = tz::documentBytes(
            format, {{step2->PrTitle->text(),
                      step2->PrDescription->toPlainText().replace(u'\n', QStringLiteral("\r\n"))},
                     f.session().projectUid()});
        return bytes;
    }

private Q_SLOTS:
    void init() { tz::DocMode = tz::DocModeNone; }

    void thePageOffersTheThreeFormatsAndADisabledBuild() {
        WizardFixture f;
        TfrmStep7* page = f.w().step7;
        QCOMPARE(page->windowTitle(), QStringLiteral("Формирование Документации"));
        QCOMPARE(page->selectDOC->text(),
                 QStringLiteral("Создать техническое задание в формате DOC (Microsoft Word)"));
        QCOMPARE(page->selectHTML->text(),
                 QStringLiteral("Создать техническое задание в формате HTML"));
        QCOMPARE(page->selectRTF->text(),
                 QStringLiteral("Создать техническое задание в формате RTF"));
        QCOMPARE(
            page->selectEXE->text(),
            QStringLiteral("Создать программу (данная функция проходит отладку, подробнее на ") +
                tz::addresses::publisherSite() + u')');
        QVERIFY(page->selectDOC->isChecked());
        QVERIFY(!page->selectEXE->isEnabled());
        page->selectRTF->setChecked(true);
        QVERIFY(!page->selectDOC->isChecked() && !page->selectHTML->isChecked());
    }

    // Under the four choices, in extended mode only; they save through the same dialog.
    void theExtendedModeAddsPdfOdtAndDocx() {
        WizardFixture usual;
        QVERIFY(usual.w().step7->selectPDF->isHidden());
        QVERIFY(usual.w().step7->selectODT->isHidden());
        QVERIFY(usual.w().step7->selectDOCX->isHidden());

        WizardFixture f({QStringLiteral("--extended")});
        prepare(f, f.path(QStringLiteral("p.tz")));
        TfrmStep7* page = f.w().step7;
        QCOMPARE(page->selectPDF->text(),
                 QStringLiteral("Создать техническое задание в формате PDF"));
        QCOMPARE(page->selectODT->text(),
                 QStringLiteral("Создать техническое задание в формате ODT (LibreOffice)"));
        QCOMPARE(page->selectDOCX->text(),
                 QStringLiteral("Создать техническое задание в формате DOCX (Microsoft Word 2007 "
                                "и новее)"));
        QVERIFY(page->selectPDF->isVisible() && page->selectODT->isVisible() &&
                page->selectDOCX->isVisible());
        QVERIFY(page->selectEXE->y() < page->selectPDF->y());
        QVERIFY(page->selectPDF->y() < page->selectODT->y());
        QVERIFY(page->selectODT->y() < page->selectDOCX->y());
        const struct {
            QRadioButton* choice;
            const char* suffix;
            QByteArray start;
        } formats[] = {{page->selectPDF, "pdf", "%PDF-"},
                       {page->selectODT, "odt", "PK\3\4"},
                       {page->selectDOCX, "docx", "PK\3\4"}};
        for (const auto& format : formats) {
            const QString typed = f.path(QStringLiteral("документ-") + format.suffix);
            f.seam.fileAnswers = {typed};
            format.choice->setChecked(true);
            press(f);
            const UiSeam::FileRequest& request = f.seam.fileRequests.constLast().file;
            QCOMPARE(request.defaultSuffix, QLatin1String(format.suffix));
            QCOMPARE(request.filter, QStringLiteral("Документы %1|*.%1|Все файлы (*.*)|*.*")
                                         .arg(QLatin1String(format.suffix)));
            QVERIFY(readFileBytes(typed + u'.' + QLatin1String(format.suffix))
                        .startsWith(format.start));
        }
        QVERIFY(f.seam.messages.isEmpty());
    }

    void eachFormatAsksForItsFileAndWritesTheDocument() {
        WizardFixture f;
        prepare(f, f.path(QStringLiteral("Мой.проект.v2.tz")));
        typeText(f.w().step2->PrTitle, QStringLiteral("Учёт <склада>"));
        typeText(f.w().step2->PrDescription, QStringLiteral("Приход\nи расход"));
        TfrmStep7* page = f.w().step7;
        const QString typed = f.path(QStringLiteral("документ"));
        f.seam.fileAnswers = {typed};
        page->selectHTML->setChecked(true);
        press(f);

        QCOMPARE(f.seam.fileRequests.size(), 1);
        const UiSeam::FileRequest& first = f.seam.fileRequests.at(0).file;
        QVERIFY(f.seam.fileRequests.at(0).save);
        QCOMPARE(first.fileName, f.path(QStringLiteral("Мой.html")));
        QCOMPARE(first.defaultSuffix, QStringLiteral("html"));
        QCOMPARE(first.filter, QStringLiteral("Документы html|*.html|Все файлы (*.*)|*.*"));
        QVERIFY(first.confirmOverwrite);
        QCOMPARE(tz::DocMode, tz::DocModeHtml);
        const QByteArray html = readFileBytes(typed + QStringLiteral(".html"));
        QVERIFY(html.startsWith("<HTML>\r\n"));
        QCOMPARE(html, expected(f, tz::DocFormat::Html));
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(page));
        QVERIFY(page->selectHTML->isChecked());
        QVERIFY(f.seam.messages.isEmpty());

        // Later saves propose the folder and name chosen last, with the extension of the
        // format now chosen.
        const QString rtf = f.path(QStringLiteral("a.rtf"));
        const QString doc = f.path(QStringLiteral("a.doc"));
        f.seam.fileAnswers = {rtf, doc};
        page->selectRTF->setChecked(true);
        press(f);
        page->selectDOC->setChecked(true);
        press(f);
        QCOMPARE(tz::DocMode, tz::DocModeRichText);
        QCOMPARE(f.seam.fileRequests.size(), 3);
        QCOMPARE(f.seam.fileRequests.at(1).file.fileName, typed + QStringLiteral(".rtf"));
        QCOMPARE(f.seam.fileRequests.at(1).file.filter,
                 QStringLiteral("Документы rtf|*.rtf|Все файлы (*.*)|*.*"));
        QCOMPARE(f.seam.fileRequests.at(2).file.fileName, f.path(QStringLiteral("a.doc")));
        QCOMPARE(f.seam.fileRequests.at(2).file.defaultSuffix, QStringLiteral("doc"));
        QCOMPARE(readFileBytes(rtf), expected(f, tz::DocFormat::Rtf));
        QCOMPARE(readFileBytes(doc), readFileBytes(rtf));
    }

    void aNameIsProposedOnlyFromAProjectFile() {
        WizardFixture f;
        prepare(f, QString());
        f.seam.fileAnswers = {QString()};
        press(f);
        QCOMPARE(f.seam.fileRequests.at(0).file.fileName, QString());
        QCOMPARE(f.seam.fileRequests.at(0).file.defaultSuffix, QStringLiteral("doc"));

        WizardFixture g;
        prepare(g, QStringLiteral("/x/y.z/plain"));
        press(g);
        QCOMPARE(g.seam.fileRequests.at(0).file.fileName, QStringLiteral("/x/y.z/plain.doc"));
    }

    void cancellingBuildsAndWritesNothing() {
        WizardFixture f;
        prepare(f, f.path(QStringLiteral("p.tz")));
        TfrmStep7* page = f.w().step7;
        const QString path = f.path(QStringLiteral("p.doc"));
        f.seam.fileAnswers = {path};
        press(f);
        const QByteArray saved = readFileBytes(path);
        QVERIFY(!saved.isEmpty());

        typeText(f.w().step2->PrTitle, QStringLiteral("другое"));
        f.seam.fileAnswers = {QString()};
        press(f);
        QCOMPARE(tz::DocMode, tz::DocModeNone);
        QCOMPARE(readFileBytes(path), saved);
        QCOMPARE(QDir(f.dir.path()).entryList({QStringLiteral("*.doc")}, QDir::Files),
                 QStringList{QStringLiteral("p.doc")});
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(page));
    }

    void aDocumentThatCannotBeWrittenIsReportedAndTheOldFileKept() {
        WizardFixture f;
        prepare(f, f.path(QStringLiteral("p.tz")));
        const QString path = f.path(QStringLiteral("old.html"));
        writeFileBytes(path, "earlier document");
        f.w().step7->selectHTML->setChecked(true);
        f.seam.fileAnswers = {path, f.path(QStringLiteral("no/such/folder/x.html"))};
        {
            FileSizeLimit limit(200);
            press(f);
        }
        press(f);
        QCOMPARE(f.seam.messages,
                 (QStringList{QStringLiteral("Не удается сохранить документ в файл ") + path,
                              QStringLiteral("Не удается сохранить документ в файл ") +
                                  f.path(QStringLiteral("no/such/folder/x.html"))}));
        QCOMPARE(readFileBytes(path), QByteArray("earlier document"));
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step7));
    }

    // The project's own name typed in the dialog, or the name proposed when it is a link to the
    // project: the page refuses, as export does, and the project and the page stay as they were.
    void theProjectIsNeverWrittenOverWithTheDocument_data() {
        QTest::addColumn<bool>("link");
        QTest::newRow("the project's own name") << false;
        QTest::newRow("a link to the project") << true;
    }

    void theProjectIsNeverWrittenOverWithTheDocument() {
        QFETCH(bool, link);
        WizardFixture f;
        const QString project = f.path(QStringLiteral("proj.tz"));
        prepare(f, project);
        QVERIFY(f.session().save().ok);
        const QByteArray bytes = readFileBytes(project);
        const QString proposed = f.path(QStringLiteral("proj.doc"));
        if (link)
            QVERIFY(QFile::link(QStringLiteral("proj.tz"), proposed));
        f.seam.fileAnswers = {link ? proposed : project, QString()};
        press(f);
        QCOMPARE(f.seam.fileRequests.at(0).file.fileName, proposed);
        QCOMPARE(f.seam.messages,
                 QStringList{QStringLiteral("Документ нельзя записать поверх файла проекта ") +
                             project});
        QCOMPARE(readFileBytes(project), bytes);
        QVERIFY(!f.session().changedOnDisk());
        QCOMPARE(tz::DocMode, tz::DocModeNone);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step7));
        // The next save proposes what the first one did.
        press(f);
        QCOMPARE(f.seam.fileRequests.at(1).file.fileName, proposed);
        if (link)
            QCOMPARE(QFileInfo(proposed).symLinkTarget(), project);
    }

    void theOtherPagesDoNotChangeTheDocument() {
        WizardFixture f;
        prepare(f, f.path(QStringLiteral("p.tz")));
        f.w().step2->PrTitle->setText(QStringLiteral("Т"));
        const QByteArray before = expected(f, tz::DocFormat::Html);
        f.seam.fileAnswers = {f.path(QStringLiteral("a.html"))};
        f.w().step7->selectHTML->setChecked(true);
        typeText(f.w().step3owner->prCompanyName, QStringLiteral("ООО Ромашка"));
        f.w().step4->checkMenu->setChecked(true);
        for (QCheckBox* box : f.w().step3os->findChildren<QCheckBox*>())
            box->setChecked(!box->isChecked());
        press(f);
        QCOMPARE(readFileBytes(f.path(QStringLiteral("a.html"))), before);
    }

    void theBuildChoiceGoesToTheOnlinePageAndBackLeadsToTheProgramType() {
        WizardFixture f;
        prepare(f, f.path(QStringLiteral("p.tz")));
        TfrmStep7* page = f.w().step7;
        page->selectEXE->setEnabled(true);
        page->selectEXE->setChecked(true);
        press(f);
        QVERIFY(f.seam.fileRequests.isEmpty());
        QCOMPARE(tz::DocMode, tz::DocModeNone);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step8));

        f.w().step8->hide();
        page->show();
        QTest::mouseClick(page->btnPrev, Qt::LeftButton);
        QCOMPARE(f.visiblePage(), static_cast<QWidget*>(f.w().step4));
    }
};

QTEST_MAIN(Step7Test)
#include "step7_test.moc"
