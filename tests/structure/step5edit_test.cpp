#include "structuretestsupport.h"

#include "project/projecttext.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

// Adding, deleting, selecting, editing and moving items on the structure page.
class Step5EditTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addsUpToLevelSixAndRefusesDeeper() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        Item item = itemAt(page, {});
        for (int level = 1; level <= 6; ++level) {
            QVERIFY2(page->btnAddMenu->isEnabled(), qPrintable(QString::number(level)));
            QTest::mouseClick(page->btnAddMenu, Qt::LeftButton);
            const Item added = current(page);
            QCOMPARE(Item(added.parent()), item);
            QVERIFY(page->uMenu->isExpanded(item));
            item = added;
        }
        QCOMPARE(page->btnAddMenu->isEnabled(), false);
        QVERIFY(f.seam.messages.isEmpty());

        const tz::TMyMenuData* record = page->recordOf(item);
        QCOMPARE(text(item), QStringLiteral("Новый пункт меню"));
        QCOMPARE(page->MenuCaption->text(), QStringLiteral("Новый пункт меню"));
        QCOMPARE(page->MenuDescription->toPlainText(), QStringLiteral("Описание не готово"));
        QCOMPARE(record->Tag, 0);
        QVERIFY(record->Uid >= 10000000 && record->Uid <= 19999998);
        // Every add rewrote both blocks.
        const QStringList structure = blockLines(f.session().text(), ".Structure");
        QCOMPARE(structure.size(), 7);
        QCOMPARE(structure.constLast(), "6:" + uidOf(page, item));
        QCOMPARE(blockLines(f.session().text(), ".Menu").size(), 6 * 8);

        const QStringList before = f.session().text();
        page->btnAddMenuClick();
        QCOMPARE(f.seam.messages, QStringList{QStringLiteral("Превышен лимит вложенности.")});
        QCOMPARE(childCount(item), 0);
        QCOMPARE(f.session().text(), before);
    }

    void deletesOnlyItemsWithoutChildren() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        addUnder(page, addUnder(page, itemAt(page, {}), "A"), "A1");
        // A line the rewrite does not keep, as a hand-edited file may hold.
        QVERIFY(f.main().TZSave());
        QStringList lines = tz::loadProjectFile(f.session().fileName()).text;
        lines.insert(tz::findKey(lines, u".Structure") + 1, "0:stale");
        QVERIFY(f.openLines(lines));
        const QStringList& text = f.session().text();
        Item a = itemAt(page, {0});
        Item a1 = itemAt(page, {0, 0});

        // The root: silently nothing, not even a rewrite.
        page->uMenu->setCurrentIndex(itemAt(page, {}));
        QVERIFY(!page->btnDeleteMenu->isEnabled());
        const QStringList before = text;
        page->btnDeleteMenuClick();
        QCOMPARE(text, before);
        QVERIFY(f.seam.messages.isEmpty());

        // An item with children stays, and the text is rewritten all the same.
        page->uMenu->setCurrentIndex(a);
        page->btnDeleteMenuClick();
        QCOMPARE(f.seam.messages, QStringList{QStringLiteral(
                                      "Вначале необходимо удалить вложенные пункты подменю")});
        QCOMPARE(outline(page), (QStringList{"0 Главное Меню Программы", "1 A", "2 A1"}));
        QVERIFY(!blockLines(text, ".Structure").contains("0:stale"));

        page->uMenu->setCurrentIndex(a1);
        QTest::mouseClick(page->btnDeleteMenu, Qt::LeftButton);
        QCOMPARE(outline(page), (QStringList{"0 Главное Меню Программы", "1 A"}));
        QCOMPARE(page->menuRecords().size(), 1);
        QCOMPARE(blockLines(text, ".Structure"),
                 (QStringList{"0:Главное Меню Программы", "1:" + uidOf(page, a)}));
        page->uMenu->setCurrentIndex(a);
        page->btnDeleteMenuClick();
        QCOMPARE(outline(page), QStringList{"0 Главное Меню Программы"});
        QVERIFY(blockLines(text, ".Menu").isEmpty());
        QCOMPARE(f.seam.messages.size(), 1);
    }

    void selectionShowsTheInstructionsOrTheItem() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        Item a = addUnder(page, itemAt(page, {}), "A");
        Item a1 = addUnder(page, a, "A1");
        page->MenuDescription->setPlainText("Про A1");
        Item b = addUnder(page, itemAt(page, {}), "B");

        page->uMenu->setCurrentIndex(itemAt(page, {}));
        QVERIFY(page->PanelMenu->isHidden() && page->PanelMenu2->isHidden());
        QVERIFY(!page->Hint1->isHidden());
        QVERIFY(!page->btnDeleteMenu->isEnabled() && page->btnAddMenu->isEnabled());
        QVERIFY(page->RadioButton3->isChecked());

        page->RadioButton1->setChecked(true);
        page->uMenu->setCurrentIndex(a1);
        QVERIFY(!page->PanelMenu->isHidden() && !page->PanelMenu2->isHidden());
        QVERIFY(page->Hint1->isHidden());
        QVERIFY(page->btnDeleteMenu->isEnabled());
        QCOMPARE(page->MenuCaption->text(), QStringLiteral("A1"));
        QCOMPARE(page->MenuDescription->toPlainText(), QStringLiteral("Про A1"));
        QVERIFY2(page->RadioButton1->isChecked(), "a leaf leaves the kind as it was");
        page->uMenu->setCurrentIndex(a);
        QVERIFY(page->RadioButton3->isChecked());
        page->uMenu->setCurrentIndex(b);
        QVERIFY2(page->RadioButton3->isChecked(), "nothing checks the user function again");
        QCOMPARE(page->MenuDescription->toPlainText(), QStringLiteral("Описание не готово"));
    }

    void captionIsWrittenAtEveryKeystroke() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        Item item = addUnder(page, itemAt(page, {}), QString());
        page->MenuCaption->selectAll();
        QTest::keyClick(page->MenuCaption, Qt::Key_Delete);
        QCOMPARE(text(item), QString());
        QCOMPARE(page->recordOf(item)->Caption, QString());
        QCOMPARE(blockLines(f.session().text(), ".Menu").at(3), QString());

        const QString typed = QStringLiteral("Файл.");
        for (qsizetype n = 1; n <= typed.size(); ++n) {
            typeText(page->MenuCaption, typed.mid(n - 1, 1));
            const QString expected = typed.left(n);
            QCOMPARE(text(item), expected);
            QCOMPARE(page->recordOf(item)->Caption, expected);
            QCOMPARE(page->menuRecords().constFirst().Caption, expected);
            QCOMPARE(blockLines(f.session().text(), ".Menu").at(3), expected);
        }

        page->MenuDescription->setFocus();
        page->MenuDescription->moveCursor(QTextCursor::End);
        typeText(page->MenuDescription, QStringLiteral("\nвторая"));
        QCOMPARE(page->recordOf(item)->Description, QStringLiteral("Описание не готово\r\nвторая"));
        QCOMPARE(blockLines(f.session().text(), ".Menu").mid(5, 2),
                 (QStringList{"Описание не готово", "вторая"}));
    }

    void refusedDropsChangeNothing() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        Item root = itemAt(page, {});
        Item a = addUnder(page, root, "A");
        Item a1 = addUnder(page, a, "A1");
        Item b = addUnder(page, root, "B");
        const QStringList tree = outline(page);
        const QStringList text = f.session().text();
        const QPoint empty(5, page->uMenu->viewport()->height() - 5);
        QVERIFY(!page->uMenu->indexAt(empty).isValid());

        const QList<std::tuple<const char*, Item, QPoint>> refused{
            {"on itself", a, pointOf(page, a)},
            {"on its child", a, pointOf(page, a1)},
            {"on empty space", a, empty},
            {"the root", root, pointOf(page, b)},
        };
        for (const auto& [name, dragged, point] : refused) {
            page->uMenu->setCurrentIndex(dragged);
            QVERIFY2(!page->uMenuDragOver(point), name);
            page->uMenuDragDrop(point);
            QCOMPARE(outline(page), tree);
            QCOMPARE(f.session().text(), text);
        }
        page->uMenu->setCurrentIndex(a1);
        QVERIFY(page->uMenuDragOver(pointOf(page, b)));
        QVERIFY(page->uMenuDragOver(pointOf(page, a)));
    }

    void dropOnTheParentMovesTheItemToTheEnd() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        Item root = itemAt(page, {});
        Item a = addUnder(page, root, "A");
        Item a1 = addUnder(page, a, "A1");
        page->MenuDescription->setPlainText("Про A1");
        addUnder(page, root, "B");
        const QString uidA = uidOf(page, a), uidA1 = uidOf(page, a1);

        page->uMenu->setCurrentIndex(a);
        page->uMenuDragDrop(pointOf(page, root));
        QCOMPARE(outline(page), (QStringList{"0 Главное Меню Программы", "1 B", "1 A", "2 A1"}));
        Item moved = itemAt(page, {1});
        QCOMPARE(uidOf(page, moved), uidA);
        QCOMPARE(uidOf(page, child(moved, 0)), uidA1);
        QCOMPARE(page->recordOf(child(moved, 0))->Description, QStringLiteral("Про A1"));
        QVERIFY(page->uMenu->isExpanded(root));
        // The structure block follows the move at once.
        const QStringList structure = blockLines(f.session().text(), ".Structure");
        QCOMPARE(structure.mid(2), (QStringList{"1:" + uidA, "2:" + uidA1}));
        QCOMPARE(f.session().structureLines(), page->structureLines());
        QCOMPARE(blockLines(f.session().text(), ".Menu").at(1), uidA1);
    }

    void dropCanMakeALevelSevenItemThatTakesNoChildren() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        Item item = itemAt(page, {});
        for (int level = 1; level <= 5; ++level)
            item = addUnder(page, item, QString::number(level));
        Item six = addUnder(page, item, "6");
        Item other = addUnder(page, item, "other");
        page->uMenu->setCurrentIndex(other);
        page->uMenuDragDrop(pointOf(page, six));
        const Item seven = child(six, 0);
        QVERIFY(seven.isValid());
        QCOMPARE(text(seven), QStringLiteral("other"));
        QVERIFY(page->uMenu->isExpanded(six));
        page->uMenu->setCurrentIndex(seven);
        QVERIFY(!page->btnAddMenu->isEnabled());
        QCOMPARE(blockLines(f.session().text(), ".Structure").constLast(),
                 "7:" + uidOf(page, seven));
    }

    void selectedItemIsDrawnInHotLight() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        Item a = addUnder(page, itemAt(page, {}), "НИП");
        // Colours that the default drawing of a selected item would not use.
        QPalette palette = page->palette();
        palette.setColor(QPalette::Link, QColor(200, 0, 0));
        palette.setColor(QPalette::Base, QColor(255, 255, 160));
        palette.setColor(QPalette::Highlight, QColor(0, 160, 0));
        palette.setColor(QPalette::HighlightedText, QColor(0, 0, 0));
        page->setPalette(palette);
        const QRect rect = page->uMenu->visualRect(a);
        const QRect root = page->uMenu->visualRect(itemAt(page, {}));
        const QImage image = page->uMenu->viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(rect.topLeft() + QPoint(1, 1)), QColor(200, 0, 0));
        QVERIFY(image.pixelColor(root.topLeft() + QPoint(1, 1)) != QColor(200, 0, 0));
        // Glyph edges are blended; the stems of these letters are solid.
        auto near = [](QColor c, QColor d) {
            return qAbs(c.red() - d.red()) + qAbs(c.green() - d.green()) +
                       qAbs(c.blue() - d.blue()) <
                   24;
        };
        bool windowText = false;
        for (int x = rect.left(); x <= rect.right() && !windowText; ++x) {
            for (int y = rect.top(); y <= rect.bottom() && !windowText; ++y)
                windowText = near(image.pixelColor(x, y), QColor(255, 255, 160));
        }
        QVERIFY2(windowText, "the selected item's text is in the window background colour");
    }
};

QTEST_MAIN(Step5EditTest)
#include "step5edit_test.moc"
