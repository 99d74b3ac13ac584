#include "project/menutreeloader.h"
#include "project/projectfile.h"
#include "project/random32.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tz;

namespace {

// A project whose two blocks hold the given lines, as read back from a file.
QStringList project(const QStringList& structure, const QStringList& menu) {
    QStringList text = newProjectText(QStringLiteral("20260101100000128241"));
    const qsizetype finish = text.indexOf(QStringLiteral(".Finish"));
    text.insert(finish, QStringLiteral(".NewTitle"));
    qsizetype at = text.indexOf(QStringLiteral(".Menu")) + 1;
    for (const QString& line : menu)
        text.insert(at++, line);
    at = text.indexOf(QStringLiteral(".Structure")) + 1;
    for (const QString& line : structure)
        text.insert(at++, line);
    return text;
}

QStringList record(qint32 uid, const QString& caption, const QStringList& description = {"d"},
                   qint32 tag = 0) {
    return QStringList{".u", QString::number(uid), ".c", caption, ".d"} + description +
           QStringList{".l", QString::number(tag)};
}

// Each node as "level caption", in tree order.
QStringList outline(const MenuTree& tree) {
    QStringList out;
    std::function<void(const MenuNode*)> walk = [&](const MenuNode* node) {
        out.append(QString::number(node->level()) + u' ' + node->text());
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(tree.root());
    return out;
}

} // namespace

TEST(MenuTreeLoader, EmptyBlocksGiveTheRootAlone) {
    Random32 random;
    LoadedMenuTree loaded = loadMenuTree(project({}, {}), random);
    EXPECT_FALSE(loaded.tree.hasItems());
    EXPECT_FALSE(loaded.hadStructureLines);
    EXPECT_FALSE(loaded.damaged);
    EXPECT_FALSE(loadMenuTree({}, random).tree.hasItems());
}

TEST(MenuTreeLoader, KeepsRecordsAndLinesThatHaveNoPartner) {
    // Records stand in reverse tree order: 3 is read before 2 and 1.
    const QStringList text = project({"0:Главное Меню Программы", "1:1", "2:7", "1:2"},
                                     record(3, "Без строки") + record(2, "Второй", {"a", "b"}, -5) +
                                         record(1, "Первый"));
    Random32 random;
    QStringList read = text;
    LoadedMenuTree loaded = loadMenuTreeSharing(read, random);
    EXPECT_FALSE(loaded.damaged);
    EXPECT_EQ(outline(loaded.tree),
              (QStringList{"0 Главное Меню Программы", "1 Первый", "2 Новый пункт меню", "1 Второй",
                           "1 Без строки"}));
    // The description of two lines is one entry now, the record's own string; the file
    // would be the same.
    EXPECT_EQ(read.size(), text.size() - 1);
    EXPECT_EQ(serializeProject(read).bytes, serializeProject(text).bytes);
    const qsizetype joined = read.indexOf(QStringLiteral("a\r\nb"));
    ASSERT_GT(joined, 0);
    EXPECT_EQ(read.at(joined).constData(), loaded.tree.records().at(2).Description.constData());
    const MenuRecords& records = loaded.tree.records();
    EXPECT_EQ(records.at(1).Uid, 7);
    EXPECT_EQ(records.at(1).Description, QStringLiteral("Описание не готово"));
    EXPECT_EQ(records.at(2).Description, QStringLiteral("a\r\nb"));
    EXPECT_EQ(records.at(2).Tag, -5);
    EXPECT_EQ(records.at(3).Uid, 3);
}

TEST(MenuTreeLoader, MatchesSharedUidsInOrder) {
    const QStringList text =
        project({"1:5", "2:5"}, record(5, "Внутренний") + record(5, "Внешний"));
    Random32 random;
    LoadedMenuTree loaded = loadMenuTree(text, random);
    EXPECT_EQ(outline(loaded.tree),
              (QStringList{"0 Главное Меню Программы", "1 Внешний", "2 Внутренний"}));
    EXPECT_FALSE(loaded.damaged);
}

TEST(MenuTreeLoader, ReadsWhatItCanOfDamagedBlocks) {
    Random32 random(0);
    Random32 replay = random;
    const qint32 drawn = qint32(replay.below(9999999)) + 10000000;
    struct Case {
        const char* name;
        QStringList structure, menu, outline;
    };
    const QList<Case> cases = {
        {"level jump",
         {"1:1", "3:2"},
         record(2, "B") + record(1, "A"),
         {"0 Главное Меню Программы", "1 A", "2 B"}},
        {"unreadable structure line",
         {"x", "1:abc", "1:1"},
         record(1, "A"),
         {"0 Главное Меню Программы", "1 A"}},
        {"stray line before a record",
         {"1:1"},
         QStringList{"мусор"} + record(1, "A"),
         {"0 Главное Меню Программы", "1 A"}},
        {"missing tag",
         {"1:1"},
         {".u", "1", ".c", "A", ".d", "d"},
         {"0 Главное Меню Программы", "1 A"}},
        {"missing caption",
         {"1:1"},
         {".u", "1", ".d", "d", ".l", "0"},
         {"0 Главное Меню Программы", "1 "}},
    };
    for (const Case& c : cases) {
        Random32 r;
        LoadedMenuTree loaded = loadMenuTree(project(c.structure, c.menu), r);
        EXPECT_TRUE(loaded.damaged) << c.name;
        EXPECT_EQ(outline(loaded.tree), c.outline) << c.name;
    }

    LoadedMenuTree pasted =
        loadMenuTree(project({"1:1"}, {".u", "1", ".c", "A", "B", ".d", "d", ".l", "0"}), random);
    EXPECT_FALSE(pasted.damaged);
    EXPECT_EQ(outline(pasted.tree), (QStringList{"0 Главное Меню Программы", "1 A B"}));

    // A record whose Uid cannot be read keeps its texts and gets a Uid of its own.
    LoadedMenuTree loaded =
        loadMenuTree(project({}, {".u", "??", ".c", "A", ".d", "d", ".l", "0"}), random);
    EXPECT_TRUE(loaded.damaged);
    ASSERT_EQ(loaded.tree.records().size(), 1);
    EXPECT_EQ(loaded.tree.records().constFirst().Caption, QStringLiteral("A"));
    EXPECT_EQ(loaded.tree.records().constFirst().Uid, drawn);
}
