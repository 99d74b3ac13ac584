#include "structuretestsupport.h"

#include "project/projecttext.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

// The extended mode's structure editor.
class TreeEditorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A move and the deletion of a branch are undone and redone from the keyboard, items,
    // records, kinds and project text coming back exactly as they were.
    void undoGoesBackAcrossAMoveAndADeletion() {
        WizardFixture f({QStringLiteral("--extended")});
        TfrmStep5* page = openNewProject(f);
        QVERIFY(QTest::qWaitForWindowActive(page));
        const Item root = itemAt(page, {});
        const Item a = addUnder(page, root, "A");
        addUnder(page, a, "A1");
        const Item a2 = addUnder(page, a, "A2");
        const Item b = addUnder(page, root, "B");
        page->uMenu->setCurrentIndex(a2);
        page->RadioButton3->click();
        const QStringList items = outline(page);
        const QString uidA2 = uidOf(page, a2);
        const QStringList text = f.session().text();
        QCOMPARE(blockLines(text, ".Kinds"),
                 (QStringList{uidOf(page, a) + " s", uidOf(page, itemAt(page, {0, 0})) + " u",
                              uidA2 + " s", uidOf(page, b) + " u"}));

        page->uMenu->setFocus();
        page->uMenu->setCurrentIndex(b);
        QTest::keyClick(page->uMenu, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(outline(page),
                 (QStringList{"0 Главное Меню Программы", "1 B", "1 A", "2 A1", "2 A2"}));
        f.seam.choiceAnswers = {0};
        page->uMenu->setCurrentIndex(a);
        QTest::keyClick(page->uMenu, Qt::Key_Delete);
        QCOMPARE(f.seam.questions.size(), 1);
        QCOMPARE(outline(page), (QStringList{"0 Главное Меню Программы", "1 B"}));
        // The blocks followed by edits are what a whole rewrite makes of them.
        const QStringList edited = f.session().text();
        QStringList rewritten = edited;
        tz::renewProjectText(rewritten, f.session().model().values(), page->structureLines(),
                             page->menuRecords(), true);
        QCOMPARE(edited, rewritten);

        QTest::keyClick(page->uMenu, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(page->uMenu, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(outline(page), items);
        QCOMPARE(uidOf(page, itemAt(page, {0, 1})), uidA2);
        QCOMPARE(f.session().text(), text);
        page->uMenu->setCurrentIndex(itemAt(page, {0, 1}));
        QVERIFY(page->RadioButton3->isChecked());

        QTest::keyClick(page->uMenu, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(page->uMenu, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.session().text(), edited);
        QCOMPARE(f.seam.questions.size(), 1);
    }
};

QTEST_MAIN(TreeEditorTest)
#include "treeeditor_test.moc"
