#include "structure/addmenuitem.h"
#include "structure/step6.h"
#include "structuretestsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Once the catalogue is open: selects the node at the path (none for an empty path), then
// closes the dialog the given way.
enum class Close { Ok, Cancel, Window };
void answerCatalogue(const QList<int>& path, Close how, bool* opened) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<TfrmAddMenuItem*>(QApplication::activeModalWidget());
        *opened = dialog != nullptr;
        if (!dialog)
            return;
        dialog->mMenu->clearSelection();
        if (!path.isEmpty()) {
            QTreeWidgetItem* item = dialog->mMenu->topLevelItem(path.at(0));
            if (path.size() > 1)
                item = item->child(path.at(1));
            dialog->mMenu->setCurrentItem(item);
        }
        if (how == Close::Ok)
            QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
        else if (how == Close::Cancel)
            QTest::mouseClick(dialog->Button1, Qt::LeftButton);
        else
            dialog->close();
    });
}

} // namespace

// The catalogue dialog, the choice it puts on the structure page, and the read-only
// requirements page beside it.
class CatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void okPutsTheChosenNodeOnThePage() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        Item a = addUnder(page, itemAt(page, {}), "A");
        Item b = addUnder(page, itemAt(page, {}), "B");
        const QStringList text = f.main().ProjectText;
        const tz::TMyMenuData before = *page->recordOf(b);
        bool opened = false;

        answerCatalogue({1, 0}, Close::Ok, &opened);
        page->Button3Click();
        QVERIFY(opened);
        QCOMPARE(page->EditStandart->text(), QStringLiteral("[100000] Калькулятор"));
        QVERIFY(page->RadioButton2->isChecked());
        QVERIFY(!page->RadioButton1->isChecked() && !page->RadioButton3->isChecked());
        QCOMPARE(f.main().ProjectText, text);
        QCOMPARE(page->recordOf(b)->Caption, before.Caption);
        QCOMPARE(page->recordOf(b)->Description, before.Description);

        answerCatalogue({0}, Close::Ok, &opened);
        page->Button3Click();
        QCOMPARE(page->EditStandart->text(), QStringLiteral("[100000] Основные функции"));

        page->uMenu->setCurrentIndex(a);
        QCOMPARE(page->EditStandart->text(), QStringLiteral("[100000] Основные функции"));
    }

    void cancelCloseAndNoChoiceChangeNothing() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        addUnder(page, itemAt(page, {}), "A");
        for (auto [path, how] : QList<std::pair<QList<int>, Close>>{
                 {{2, 0}, Close::Cancel}, {{2, 0}, Close::Window}, {{}, Close::Ok}}) {
            bool opened = false;
            answerCatalogue(path, how, &opened);
            page->Button3Click();
            QVERIFY(opened);
            QVERIFY(page->EditStandart->text().isEmpty());
            QVERIFY(page->RadioButton1->isChecked());
        }
    }

    void requirementsPageShowsItsFixedTreeOnly() {
        WizardFixture f;
        TfrmStep6* page = f.w().step6;
        page->show();
        QCOMPARE(page->uMenu->parentWidget()->width(), 337);
        QVERIFY(page->PanelMenu->isHidden() && page->PanelMenu2->isHidden());
        QVERIFY(!page->Hint1->isHidden());

        f.main().TZnew();
        const QStringList text = f.main().ProjectText;
        page->uMenu->setCurrentIndex(page->uMenu->model()->index(1, 0));
        QTest::mouseClick(page->btnAddMenu, Qt::LeftButton);
        QTest::mouseClick(page->btnDeleteMenu, Qt::LeftButton);
        page->MenuCaption->setText("x");
        QCOMPARE(page->uMenu->model()->rowCount(), 2);
        QCOMPARE(f.main().ProjectText, text);
        QVERIFY(f.seam.messages.isEmpty());
    }
};

QTEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
