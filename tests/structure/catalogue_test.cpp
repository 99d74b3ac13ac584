#include "structure/addmenuitem.h"
#include "structure/step6.h"
#include "structuretestsupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace {

// The fixed texts as the layouts give them.
const char* const kHintLines[] = {
    "   Для конструирования ",
    "архитектуры программы ",
    "используйте:",
    "1) Добавление пунктов меню ",
    "будущей программы",
    "2) Удаление",
    "3) Перераспределение пунктов ",
    "меню в нужной ",
    "последовательности ",
    "(перетаскиванием в нужное место ",
    "с помощью мыши)",
    "4) Укажите функции каждого ",
    "пункта меню, отметив нужный ",
    "пункт ",
    "слева. Сделайте максимально ",
    "полное описание для будущих ",
    "частей ",
    "программы",
};
// The controls that the structure page and the requirements page share.
const char* const kStructureControls[][2] = {
    {"btnAddMenu", "Новый пункт"},
    {"btnDeleteMenu", "Удалить"},
    {"GroupMenu", " Тип подменю "},
    {"RadioButton3", "Подменю"},
    {"RadioButton2", "Стандартная функция"},
    {"Button3", "..."},
    {"RadioButton1", "Пользовательская функция (Задание на разработку)"},
    {"Label1", "Короткое описание"},
    {"Label2", "Подробное описание"},
};
const char* const kCatalogueControls[][2] = {{"btnOk", "OK"}, {"Button1", "Отмена"}};

// The text a label, a button or a group box shows.
QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    return QStringLiteral("(no such control)");
}

// Each node of the tree as "level text", in tree order.
// Every node of a tree view as its level and text, in tree order.
QStringList nodes(const QAbstractItemView* view) {
    QStringList lines;
    const QAbstractItemModel* model = view->model();
    const std::function<void(const QModelIndex&, int)> visit = [&](const QModelIndex& parent,
                                                                   int level) {
        for (int i = 0; i < model->rowCount(parent); ++i) {
            const QModelIndex index = model->index(i, 0, parent);
            lines.append(QString::number(level) + u' ' + index.data().toString());
            visit(index, level + 1);
        }
    };
    visit(QModelIndex(), 0);
    return lines;
}

QStringList listOf(const char* const* begin, const char* const* end) {
    QStringList list;
    for (auto it = begin; it != end; ++it)
        list.append(QString::fromUtf8(*it));
    return list;
}

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
    void theFixedTextsAreThoseOfTheLayouts() {
        WizardFixture f;
        const Windows& w = f.w();
        struct Case {
            QString what;
            QStringList shown;
            QStringList expected;
        };
        const QStringList hint = listOf(std::begin(kHintLines), std::end(kHintLines));
        QList<Case> cases = {
            {"catalogue caption", {w.addMenuItem->windowTitle()}, {"Готовые Решения"}},
            {"catalogue",
             nodes(w.addMenuItem->mMenu),
             {"0 Основные функции", "1 Выход", "0 Внешние программы", "1 Калькулятор",
              "0 Базы Данных", "1 Настройка"}},
            {"structure page caption", {w.step5->windowTitle()}, {"Создание Структуры Программы"}},
            {"structure tree", nodes(w.step5->uMenu), {"0 Главное Меню Программы"}},
            {"requirements page caption", {w.step6->windowTitle()}, {"Дополнительные Требования"}},
            {"requirements tree",
             nodes(w.step6->uMenu),
             {"0 Требования к составу и параметрам технических средств",
              "0 Требования к квалификации и численности персонала"}},
        };
        for (const StructurePage* page :
             std::initializer_list<const StructurePage*>{w.step5, w.step6}) {
            cases.append({page->objectName() + QStringLiteral(" Hint1"),
                          page->Hint1->toPlainText().split(u'\n'), hint});
            for (const auto& [name, text] : kStructureControls)
                cases.append({page->objectName() + u' ' + QLatin1String(name),
                              {shownText(page->findChild<QWidget*>(QLatin1String(name)))},
                              {QString::fromUtf8(text)}});
        }
        for (const auto& [name, text] : kCatalogueControls)
            cases.append({QStringLiteral("catalogue ") + QLatin1String(name),
                          {shownText(w.addMenuItem->findChild<QWidget*>(QLatin1String(name)))},
                          {QString::fromUtf8(text)}});
        for (const Case& c : cases) {
            QVERIFY2(c.shown == c.expected,
                     qPrintable(c.what + QStringLiteral(": «") + c.shown.join(u'|') +
                                QStringLiteral("» instead of «") + c.expected.join(u'|') +
                                QStringLiteral("»")));
        }
    }

    void okPutsTheChosenNodeOnThePage() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        Item a = addUnder(page, itemAt(page, {}), "A");
        Item b = addUnder(page, itemAt(page, {}), "B");
        const QStringList text = f.session().text();
        const tz::TMyMenuData before = *page->recordOf(b);
        bool opened = false;

        answerCatalogue({1, 0}, Close::Ok, &opened);
        page->Button3Click();
        QVERIFY(opened);
        QCOMPARE(page->EditStandart->text(), QStringLiteral("[100000] Калькулятор"));
        QVERIFY(page->RadioButton2->isChecked());
        QVERIFY(!page->RadioButton1->isChecked() && !page->RadioButton3->isChecked());
        QCOMPARE(f.session().text(), text);
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

        f.session().TZnew();
        const QStringList text = f.session().text();
        page->uMenu->setCurrentIndex(page->uMenu->model()->index(1, 0));
        QTest::mouseClick(page->btnAddMenu, Qt::LeftButton);
        QTest::mouseClick(page->btnDeleteMenu, Qt::LeftButton);
        page->MenuCaption->setText("x");
        QCOMPARE(page->uMenu->model()->rowCount(), 2);
        QCOMPARE(f.session().text(), text);
        QVERIFY(f.seam.messages.isEmpty());
    }
};

QTEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
