#include "docgen/docformat.h"
#include "pages/step6text.h"
#include "project/projecttext.h"
#include "project/sectiontexts.h"
#include "project/templatefile.h"
#include "wizardfixture.h"

#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

// The document's own text on its page, and an organisation's template made from it.
class DocumentTextTest : public QObject {
    Q_OBJECT

    static int rowOf(const QListWidget* list, const QString& caption) {
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->text() == caption)
                return row;
        }
        return -1;
    }

private Q_SLOTS:
    void theUserWritesTheTextChoosesDocumentsAndStagesAndKeepsThemAsATemplate() {
        WizardFixture f({QStringLiteral("--extended")});
        f.session().TZnew();
        f.session().moveTo(f.path(QStringLiteral("текст.tz")));
        TfrmStep6text* page = f.w().step6text;
        page->show();

        // The list first, then Tab to the section's text.
        QCOMPARE(page->focusWidget(), page->SectionList);
        QCOMPARE(page->SectionList->currentRow(), 0);
        QTest::keyClick(page->SectionList, Qt::Key_Tab);
        QCOMPARE(page->focusWidget(), page->SectionView);

        // A section written anew stands in the document in place of the outline's.
        page->SectionList->setCurrentRow(
            rowOf(page->SectionList, QStringLiteral("3.7. Специальные требования")));
        QVERIFY(page->SectionText->isVisible());
        QVERIFY(!page->btnDefaultText->isEnabled());
        page->SectionText->selectAll();
        typeText(page->SectionText, QStringLiteral("Программа работает без Интернета."));
        QVERIFY(page->btnDefaultText->isEnabled());
        QCOMPARE(tz::sectionTexts(f.session().model().values().sections),
                 (QList<tz::SectionText>{{QStringLiteral("Специальные требования"),
                                          QStringLiteral("Программа работает без Интернета.")}}));
        QVERIFY(tz::valueLines(f.session().text(), u".Sections")
                    .join(QStringLiteral("\r\n"))
                    .startsWith(QStringLiteral("§ Специальные требования\r\n")));
        tz::DocumentInputs inputs{f.session().model().values(), QString(), true};
        QVERIFY(tz::documentBytes(tz::DocFormat::Html, inputs)
                    .contains("\xe1\xe5\xe7 \xc8\xed\xf2\xe5\xf0\xed\xe5\xf2\xe0"));
        // «Исходный текст» gives the outline's text back, and the project keeps none.
        QTest::mouseClick(page->btnDefaultText, Qt::LeftButton);
        QCOMPARE(page->SectionText->toPlainText(),
                 QStringLiteral("Специальные требования не предъявляются."));
        QVERIFY(f.session().model().values().sections.isEmpty());

        // The documents to make.
        page->SectionList->setCurrentRow(
            rowOf(page->SectionList,
                  QStringLiteral("4.1. Предварительный состав программной документации")));
        QCOMPARE(page->SectionPanel->currentWidget(), page->DocumentList);
        const QList<QListWidgetItem*> manual = page->DocumentList->findItems(
            QStringLiteral("Руководство оператора"), Qt::MatchExactly);
        QCOMPARE(manual.size(), 1);
        QCOMPARE(manual.constFirst()->checkState(), Qt::Checked);
        manual.constFirst()->setCheckState(Qt::Unchecked);
        QCOMPARE(f.session().model().values().documents,
                 QStringLiteral("Программа и методика испытаний\r\nТехническое задание"));

        // A deadline typed for a stage chooses it.
        page->SectionList->setCurrentRow(
            rowOf(page->SectionList, QStringLiteral("6.1. Стадии разработки")));
        QCOMPARE(page->SectionPanel->currentWidget(), page->StageTable);
        page->StageTable->item(1, 1)->setText(QStringLiteral("до 1 марта"));
        QCOMPARE(page->StageTable->item(1, 0)->checkState(), Qt::Checked);
        QVERIFY(f.session().model().values().stages.contains(
            QStringLiteral("Эскизный проект\tдо 1 марта")));

        // The template keeps the organisation's values, and a new project starts from it.
        f.session().setValue(&tz::ProjectValues::executor, QStringLiteral("ООО «Разработчик»"));
        f.session().setValue(&tz::ProjectValues::customer, QStringLiteral("АО «Заказчик»"));
        QTest::mouseClick(page->btnSaveTemplate, Qt::LeftButton);
        QCOMPARE(f.seam.messages.size(), 1);
        QVERIFY(f.seam.messages.constFirst().startsWith(QStringLiteral("Шаблон сохранён")));
        QVERIFY(QFile::exists(tz::templatePath()));
        f.session().TZnew();
        const tz::ProjectValues& values = f.session().model().values();
        QCOMPARE(values.executor, QStringLiteral("ООО «Разработчик»"));
        QVERIFY(values.customer.isEmpty());
        QVERIFY(values.stages.contains(QStringLiteral("Эскизный проект\tдо 1 марта")));
        QCOMPARE(tz::singleValue(f.session().text(), u".Executor"),
                 QStringLiteral("ООО «Разработчик»"));
    }
};

QTEST_MAIN(DocumentTextTest)
#include "documenttext_test.moc"
