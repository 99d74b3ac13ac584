#include "project/random32.h"
#include "structure/menutree.h"

#include <gtest/gtest.h>

using namespace tz;

namespace {

// Items with Uids 10000001, 10000002, ... in the order they are added.
struct Builder {
    MenuTree tree;
    qint32 next = 10000001;
    MenuNode* add(MenuNode* parent, const QString& caption = QString()) {
        MenuNode* node = tree.addItem(parent, next++);
        if (!caption.isEmpty())
            tree.setCaption(node, caption);
        return node;
    }
    QStringList captions() const {
        QStringList out;
        for (const TMyMenuData& r : tree.records())
            out.append(r.Caption);
        return out;
    }
};

// A chain of items under the root, the last one at the given level.
MenuNode* chain(Builder& b, int depth) {
    MenuNode* node = b.tree.root();
    for (int i = 0; i < depth; ++i)
        node = b.add(node);
    return node;
}

} // namespace

TEST(MenuTree, StartsWithTheRootAloneWithoutRecord) {
    MenuTree tree;
    EXPECT_EQ(tree.root()->text(), QStringLiteral("Главное Меню Программы"));
    EXPECT_EQ(tree.root()->record(), nullptr);
    EXPECT_FALSE(tree.hasItems());
    EXPECT_TRUE(tree.records().isEmpty());
    EXPECT_EQ(tree.structureLines(), QStringList{QStringLiteral("0:Главное Меню Программы")});
}

TEST(MenuTree, NewItemHasTheDefaultRecord) {
    MenuTree tree;
    MenuNode* item = tree.addItem(tree.root(), 12345678);
    ASSERT_NE(item->record(), nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Новый пункт меню"));
    EXPECT_EQ(item->record()->Caption, QStringLiteral("Новый пункт меню"));
    EXPECT_EQ(item->record()->Description, QStringLiteral("Описание не готово"));
    EXPECT_EQ(item->record()->Tag, 0);
    EXPECT_EQ(item->record()->Uid, 12345678);
    EXPECT_EQ(item->level(), 1);
}

TEST(MenuTree, NestingLimitAllowsAddingUnderLevelFiveNotSix) {
    Builder b;
    for (int level = 0; level <= 5; ++level)
        EXPECT_TRUE(MenuTree::canAddUnder(chain(b, level))) << level;
    MenuNode* deepest = chain(b, 6);
    EXPECT_EQ(deepest->level(), 6);
    EXPECT_FALSE(MenuTree::canAddUnder(deepest));
}

TEST(MenuTree, RemovesOnlyChildlessItems) {
    Builder b;
    MenuNode* a = b.add(b.tree.root(), "A");
    MenuNode* a1 = b.add(a, "A1");
    const qint32 uidA1 = a1->record()->Uid;
    EXPECT_FALSE(b.tree.removeItem(b.tree.root()));
    EXPECT_FALSE(b.tree.removeItem(a));
    EXPECT_EQ(b.captions(), (QStringList{"A", "A1"}));
    EXPECT_TRUE(b.tree.removeItem(a1));
    EXPECT_FALSE(b.tree.hasUid(uidA1));
    EXPECT_EQ(b.captions(), QStringList{"A"});
    EXPECT_TRUE(b.tree.removeItem(a));
    EXPECT_FALSE(b.tree.hasItems());
}

TEST(MenuTree, RefusesDropsOnItselfItsSubtreeNothingAndOfTheRoot) {
    Builder b;
    MenuNode* a = b.add(b.tree.root(), "A");
    MenuNode* a1 = b.add(a, "A1");
    MenuNode* a11 = b.add(a1, "A11");
    MenuNode* bNode = b.add(b.tree.root(), "B");
    const QStringList lines = b.tree.structureLines();
    EXPECT_EQ(b.tree.drop(a, a), nullptr);
    EXPECT_EQ(b.tree.drop(a, a1), nullptr);
    EXPECT_EQ(b.tree.drop(a, a11), nullptr);
    EXPECT_EQ(b.tree.drop(a, nullptr), nullptr);
    EXPECT_EQ(b.tree.drop(b.tree.root(), bNode), nullptr);
    EXPECT_EQ(b.tree.structureLines(), lines);
    EXPECT_EQ(b.captions(), (QStringList{"A", "A1", "A11", "B"}));
    EXPECT_TRUE(MenuTree::canDrop(a11, a));
    EXPECT_TRUE(MenuTree::canDrop(bNode, a11));
}

TEST(MenuTree, DropOnTheParentMovesTheSubtreeToTheEndWithItsRecords) {
    Builder b;
    MenuNode* a = b.add(b.tree.root(), "A");
    MenuNode* a1 = b.add(a, "A1");
    b.add(a1, "A11");
    b.tree.setDescription(a1, "first\r\nsecond");
    b.add(b.tree.root(), "B");
    const TMyMenuData* record = a1->record();
    const TMyMenuData before = *record;

    MenuNode* moved = b.tree.drop(a, b.tree.root());
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(b.captions(), (QStringList{"B", "A", "A1", "A11"}));
    EXPECT_EQ(b.tree.root()->child(1), moved);
    ASSERT_EQ(moved->childCount(), 1);
    // The same record object, not a copy of it.
    EXPECT_EQ(moved->child(0)->record(), record);
    EXPECT_EQ(record->Description, before.Description);
    EXPECT_EQ(record->Uid, before.Uid);
    EXPECT_EQ(moved->child(0)->child(0)->level(), 3);
    EXPECT_TRUE(b.tree.hasUid(before.Uid));
}

TEST(MenuTree, DropIgnoresTheNestingLimit) {
    Builder b;
    MenuNode* six = chain(b, 6);
    MenuNode* otherSix = b.add(six->parent(), "other");
    MenuNode* moved = b.tree.drop(otherSix, six);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->level(), 7);
    EXPECT_FALSE(MenuTree::canAddUnder(moved));
    EXPECT_EQ(b.tree.structureLines().constFirst(),
              QStringLiteral("7:%1").arg(moved->record()->Uid));
}

TEST(MenuTree, StructureLinesOfTheExampleTree) {
    Builder b;
    MenuNode* a = b.add(b.tree.root(), "A");
    MenuNode* a1 = b.add(a, "A1");
    MenuNode* bNode = b.add(b.tree.root(), "B");
    auto uid = [](const MenuNode* n) { return QString::number(n->record()->Uid); };
    EXPECT_EQ(b.tree.structureLines(),
              (QStringList{"1:" + uid(bNode), "2:" + uid(a1), "1:" + uid(a),
                           QStringLiteral("0:Главное Меню Программы")}));
}

TEST(MenuTree, RecordsFollowEveryChange) {
    Builder b;
    MenuNode* a = b.add(b.tree.root(), "A");
    MenuNode* c = b.add(b.tree.root(), "C");
    EXPECT_EQ(b.captions(), (QStringList{"A", "C"}));
    b.tree.setCaption(c, "");
    EXPECT_EQ(c->text(), QString());
    EXPECT_EQ(b.captions(), (QStringList{"A", ""}));
    b.add(a, "A1");
    EXPECT_EQ(b.captions(), (QStringList{"A", "A1", ""}));
    b.tree.setDescription(a, "d");
    EXPECT_EQ(b.tree.records().constFirst().Description, QStringLiteral("d"));
    b.tree.setCaption(b.tree.root(), "root");
    EXPECT_EQ(b.tree.root()->text(), QStringLiteral("Главное Меню Программы"));
}

TEST(MenuTree, DrawsUidsInRangeAndAgainWhileTaken) {
    Random32 random(0);
    Random32 replay = random;
    const qint32 first = qint32(replay.below(9999999)) + 10000000;
    const qint32 second = qint32(replay.below(9999999)) + 10000000;
    ASSERT_NE(first, second);
    MenuTree tree;
    tree.addItem(tree.root(), first);
    EXPECT_EQ(tree.drawUid(random), second);

    for (int i = 0; i < 200; ++i) {
        const qint32 uid = tree.drawUid(random);
        EXPECT_GE(uid, 10000000);
        EXPECT_LE(uid, 19999998);
        EXPECT_FALSE(tree.hasUid(uid));
        tree.addItem(tree.root(), uid);
    }
}
