#include "structuretestsupport.h"

#include "pages/step2.h"
#include "project/projectfile.h"
#include "project/projecttext.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// Root R with A (A1 (A11)) and B; A1 has a two-line description.
void buildTree(TfrmStep5* page) {
    Item root = itemAt(page, {});
    Item a = addUnder(page, root, "A");
    Item a1 = addUnder(page, a, "A1");
    page->MenuDescription->setPlainText("Первая\nВторая");
    addUnder(page, a1, "A11");
    addUnder(page, root, "B");
}

QByteArray block(const QByteArray& file, const QByteArray& key, const QByteArray& next) {
    const qsizetype from = file.indexOf("\r\n" + key + "\r\n");
    const qsizetype to = file.indexOf("\r\n" + next + "\r\n");
    return from >= 0 && to > from ? file.mid(from, to - from) : QByteArray();
}

} // namespace

// The tree in the project text: the blocks the rewrite writes, and the tree that an
// opened project brings back.
class Step5ProjectTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void blocksHoldTheTreeLineByLine() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f);
        buildTree(page);
        f.session().TZrenew();
        auto uid = [&](const QList<int>& path) { return uidOf(page, itemAt(page, path)); };
        QCOMPARE(blockLines(f.session().text(), ".Structure"),
                 (QStringList{"0:Главное Меню Программы", "1:" + uid({0}), "2:" + uid({0, 0}),
                              "3:" + uid({0, 0, 0}), "1:" + uid({1})}));
        QCOMPARE(blockLines(f.session().text(), ".Menu"), (QStringList{".u",
                                                                       uid({1}),
                                                                       ".c",
                                                                       "B",
                                                                       ".d",
                                                                       "Описание не готово",
                                                                       ".l",
                                                                       "0",
                                                                       ".u",
                                                                       uid({0, 0, 0}),
                                                                       ".c",
                                                                       "A11",
                                                                       ".d",
                                                                       "Описание не готово",
                                                                       ".l",
                                                                       "0",
                                                                       ".u",
                                                                       uid({0, 0}),
                                                                       ".c",
                                                                       "A1",
                                                                       ".d",
                                                                       "Первая",
                                                                       "Вторая",
                                                                       ".l",
                                                                       "0",
                                                                       ".u",
                                                                       uid({0}),
                                                                       ".c",
                                                                       "A",
                                                                       ".d",
                                                                       "Описание не готово",
                                                                       ".l",
                                                                       "0"}));
        const QStringList& text = f.session().text();
        QCOMPARE(text.mid(text.size() - 2), (QStringList{".NewTitle", ".Finish"}));
    }

    void reopenedProjectRewritesTheSameBlocks() {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.tz");
        QByteArray saved;
        QStringList tree;
        {
            WizardFixture f;
            TfrmStep5* page = openNewProject(f);
            f.session().moveTo(path);
            buildTree(page);
            QVERIFY(f.main().TZSave());
            saved = readFileBytes(path);
            tree = outline(page);
        }
        WizardFixture g({path});
        TfrmStep5* page = g.w().step5;
        QCOMPARE(outline(page), tree);
        QCOMPARE(page->recordOf(itemAt(page, {0, 0}))->Description,
                 QStringLiteral("Первая\r\nВторая"));
        QCOMPARE(g.session().structureLines(), page->structureLines());
        QCOMPARE(tz::serializeProject(g.session().text()).bytes, saved);

        // The first keystroke anywhere rewrites every block from the controls.
        g.start();
        typeText(g.w().step2->PrTitle, "!");
        QVERIFY(g.main().TZSave());
        const QByteArray rewritten = readFileBytes(path);
        QCOMPARE(block(rewritten, ".Structure", ".Menu"), block(saved, ".Structure", ".Menu"));
        QCOMPARE(block(rewritten, ".Menu", ".NewTitle"), block(saved, ".Menu", ".NewTitle"));
        QVERIFY(!block(saved, ".Menu", ".NewTitle").isEmpty());
        QVERIFY(g.seam.messages.isEmpty());
    }

    void openingAndCreatingReplaceTheTree() {
        WizardFixture f;
        TfrmStep5* page = openNewProject(f, "first.tz");
        buildTree(page);
        QVERIFY(f.main().TZSave());
        openNewProject(f, "second.tz");
        QCOMPARE(outline(page), QStringList{"0 Главное Меню Программы"});
        QVERIFY(f.session().structureLines().isEmpty());
        QVERIFY(!page->Hint1->isHidden());
        f.session().TZrenew();
        QVERIFY2(blockLines(f.session().text(), ".Structure").isEmpty(),
                 "an untouched tree leaves the block empty");
        QVERIFY(blockLines(f.session().text(), ".Menu").isEmpty());

        const QStringList before = f.session().text();
        QVERIFY(f.open(f.path("first.tz")));
        QCOMPARE(outline(page).size(), 5);
        QCOMPARE(text(itemAt(page, {0, 0})), QStringLiteral("A1"));
        QVERIFY(page->uMenu->isExpanded(itemAt(page, {0, 0})));
        QCOMPARE(current(page), itemAt(page, {}));
        QCOMPARE(f.session().structureLines(), page->structureLines());
        QVERIFY(f.session().text() != before);
        QCOMPARE(tz::serializeProject(f.session().text()).bytes, readFileBytes(f.path("first.tz")));
    }

    void damagedBlocksAreReportedAndKept() {
        WizardFixture f;
        QStringList text = tz::newProjectText("1");
        const qsizetype menu = tz::findKey(text, u".Menu");
        text.insert(menu + 1, "мусор");
        for (const char* line : {".u", "12345678", ".c", "Пункт", ".d", "Текст", ".l", "0"})
            text.insert(menu + 2, QString::fromUtf8(line));
        std::reverse(text.begin() + menu + 2, text.begin() + menu + 10);
        const QString path = f.path("damaged.tz");
        writeFileBytes(path, projectBytes(text));
        f.start();
        QVERIFY(f.open(path));
        TfrmStep5* page = f.w().step5;
        QCOMPARE(outline(page), (QStringList{"0 Главное Меню Программы", "1 Пункт"}));
        QCOMPARE(f.seam.messages.size(), 1);
        QVERIFY(f.seam.messages.constFirst().startsWith(
            QStringLiteral("Структура программы в задании записана с ошибками.")));
        QCOMPARE(f.session().text(), text);
    }

    // A chain of 35,000 levels once overflowed the view's stack. Items beyond the editor's
    // deepest level come at that level, each after the one before it, and the user is told.
    void aTreeDeeperThanTheEditorAllowsIsBroughtToItsDeepestLevel() {
        constexpr int kLevels = 35000;
        QStringList structure{QStringLiteral("0:Главное Меню Программы")};
        QStringList menu;
        QStringList captions;
        for (int level = 1; level <= kLevels; ++level) {
            const QString uid = QString::number(10000000 + level);
            captions.append(QStringLiteral("Пункт ") + QString::number(level));
            structure.append(QString::number(level) + u':' + uid);
            // The records stand in reverse tree order; turned round below.
            menu += {QStringLiteral("0"),
                     QStringLiteral(".l"),
                     QStringLiteral("Описание"),
                     QStringLiteral(".d"),
                     captions.constLast(),
                     QStringLiteral(".c"),
                     uid,
                     QStringLiteral(".u")};
        }
        std::reverse(menu.begin(), menu.end());
        QStringList text = tz::newProjectText("1");
        text.insert(tz::findKey(text, u".Menu") + 1, menu.size(), QString());
        std::copy(menu.begin(), menu.end(), text.begin() + tz::findKey(text, u".Menu") + 1);
        text.insert(tz::findKey(text, u".Structure") + 1, structure.size(), QString());
        std::copy(structure.begin(), structure.end(),
                  text.begin() + tz::findKey(text, u".Structure") + 1);
        WizardFixture f;
        const QString path = f.path("deep.tz");
        writeFileBytes(path, projectBytes(text));
        f.start();
        QVERIFY(f.open(path));
        TfrmStep5* page = f.w().step5;
        page->show();
        QCOMPARE(f.seam.messages,
                 QStringList{QStringLiteral(
                     "В структуре программы в задании есть пункты глубже шестого уровня "
                     "вложенности. Они перенесены на шестой уровень, их порядок и тексты "
                     "сохранены; при следующем изменении задания структура будет записана "
                     "заново.")});
        QStringList shownCaptions;
        for (const tz::TMyMenuData& record : page->tree().records())
            shownCaptions.append(record.Caption);
        QCOMPARE(shownCaptions, captions);
        QStringList levels;
        for (const QString& line : page->structureLines())
            levels.append(line.section(u':', 0, 0));
        std::reverse(levels.begin(), levels.end());
        QStringList expected{"0", "1", "2", "3", "4", "5"};
        expected += QStringList(kLevels - 5, QStringLiteral("6"));
        QCOMPARE(levels, expected);
    }
};

QTEST_MAIN(Step5ProjectTest)
#include "step5project_test.moc"
