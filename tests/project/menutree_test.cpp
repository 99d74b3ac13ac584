#include "project/menutree.h"
#include "project/random32.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

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
};

// A chain of items under the root, the last one at the given level.
MenuNode* chain(Builder& b, int depth) {
    MenuNode* node = b.tree.root();
    for (int i = 0; i < depth; ++i)
        node = b.add(node);
    return node;
}

} // namespace

TEST(MenuTree, NestingLimitAllowsAddingUnderLevelFiveNotSix) {
    Builder b;
    for (int level = 0; level <= 5; ++level)
        EXPECT_TRUE(MenuTree::canAddUnder(chain(b, level))) << level;
    MenuNode* deepest = chain(b, 6);
    EXPECT_EQ(deepest->level(), 6);
    EXPECT_FALSE(MenuTree::canAddUnder(deepest));
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

// The records and structure lines the tree keeps up to date are those of a walk over the
// tree after any sequence of adds, deletions, drops and edits.
TEST(MenuTree, KeptListsMatchAWalkAfterEveryChange) {
    Builder b;
    std::vector<MenuNode*> nodes{b.tree.root()};
    auto collect = [&] {
        nodes.clear();
        std::function<void(MenuNode*)> walk = [&](MenuNode* n) {
            nodes.push_back(n);
            for (int i = 0; i < n->childCount(); ++i)
                walk(n->child(i));
        };
        walk(b.tree.root());
    };
    std::mt19937 random(20261208);
    auto any = [&](std::size_t from) { return nodes[from + random() % (nodes.size() - from)]; };
    for (int step = 0; step < 2000; ++step) {
        switch (random() % 5) {
        case 0:
        case 1:
            b.add(any(0), QString::number(step));
            break;
        case 2:
            if (nodes.size() > 1)
                b.tree.removeItem(any(1));
            break;
        case 3:
            b.tree.drop(any(0), any(0));
            break;
        default:
            if (nodes.size() > 1) {
                MenuNode* item = any(1);
                b.tree.setCaption(item, QStringLiteral("c%1").arg(step));
                b.tree.setDescription(item, QStringLiteral("d%1\r\nx").arg(step));
            }
        }
        collect();
        QStringList lines;
        MenuRecords records;
        for (const MenuNode* n : nodes) {
            lines.prepend(QString::number(n->level()) + u':' +
                          (n->record() ? QString::number(n->record()->Uid) : n->text()));
            if (n->record())
                records.append(*n->record());
        }
        ASSERT_EQ(b.tree.structureLines(), lines) << step;
        ASSERT_EQ(b.tree.records().size(), records.size()) << step;
        for (qsizetype i = 0; i < records.size(); ++i) {
            const TMyMenuData& kept = b.tree.records().at(i);
            ASSERT_TRUE(kept.Uid == records[i].Uid && kept.Caption == records[i].Caption &&
                        kept.Description == records[i].Description)
                << step;
        }
    }
}
