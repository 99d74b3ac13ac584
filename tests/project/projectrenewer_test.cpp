#include "project/menutree.h"
#include "project/projectfile.h"
#include "project/projectrenewer.h"
#include "renewreference.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace tz;

namespace {

QString any(QRandomGenerator& random, const QStringList& choices) {
    return choices.at(random.bounded(choices.size()));
}

const QStringList kTexts{"", "a", ".dot", "x\r\n.y", "долгий текст", "1\r\n2\r\n3"};

// A structure tree changed the ways the structure page changes it.
struct Tree {
    MenuTree tree;
    qint32 uid = 10000000;

    std::vector<MenuNode*> nodes() const {
        std::vector<MenuNode*> all;
        std::function<void(MenuNode*)> walk = [&](MenuNode* n) {
            all.push_back(n);
            for (int i = 0; i < n->childCount(); ++i)
                walk(n->child(i));
        };
        walk(tree.root());
        return all;
    }

    void change(QRandomGenerator& random) {
        const std::vector<MenuNode*> all = nodes();
        auto pick = [&](std::size_t from) {
            return all.size() > from ? all[from + random.bounded(int(all.size() - from))] : nullptr;
        };
        switch (random.bounded(5)) {
        case 0:
        case 1:
            tree.appendItem(
                pick(0), {any(random, kTexts), any(random, kTexts), random.bounded(-1, 2), ++uid});
            break;
        case 2:
            if (MenuNode* item = pick(1))
                tree.removeItem(item);
            break;
        case 3:
            tree.drop(pick(0), pick(0));
            break;
        default:
            if (MenuNode* item = pick(1)) {
                if (random.bounded(2))
                    tree.setCaption(item, any(random, kTexts));
                else
                    tree.setDescription(item, any(random, kTexts));
            }
        }
    }
};

} // namespace

// Whatever the pages and the tree changed, and however the text looked at first, rewriting
// only what changed gives the text of the literal rewrite of every block, in either mode; the
// structure lines kept up to date by the tree's edits are those of a walk over the tree.
class ProjectRenewerInMode : public testing::TestWithParam<bool> {};

INSTANTIATE_TEST_SUITE_P(DefaultAndExtended, ProjectRenewerInMode, testing::Bool());

TEST_P(ProjectRenewerInMode, GivesTheLiteralRewriteAfterEveryChange) {
    const bool extended = GetParam();
    const QStringList pieces{".Title",     ".title", ".Description", ".CompanyName", ".CompanyInfo",
                             ".Structure", ".Menu",  ".Finish",      ".u",           ".stray",
                             "plain",      "1:12",   ".OS",          ".basis",       ".NewTitle"};
    {
        // Its blocks hold the values, but a rewrite would close the text with ".Finish".
        QStringList text{".NewTitle", ".Title",       "", ".Description",  "",     ".CompanyName",
                         "",          ".CompanyURL",  "", ".CompanyEMail", "",     ".CompanyPhone",
                         "",          ".CompanyInfo", "", ".Structure",    ".Menu"};
        ProjectRenewer opened(extended);
        EXPECT_FALSE(opened.adopt(text, {}, {}, {}));
    }
    QRandomGenerator random(20261208);
    for (int round = 0; round < 200; ++round) {
        QStringList text;
        for (int i = random.bounded(0, 12); i > 0; --i)
            text.append(any(random, pieces));
        QStringList expected = text;
        ProjectValues v;
        Tree t;
        QStringList structure;
        StructureLinesState state;
        ProjectRenewer renewer(extended);
        for (int step = 0; step < 60; ++step) {
            // Several changes may come between two rewrites, more than the tree keeps.
            for (int n = random.bounded(8) == 0 ? random.bounded(1, 40) : 1; n > 0; --n) {
                switch (random.bounded(9)) {
                case 0:
                    v.title = any(random, kTexts);
                    break;
                case 1:
                    v.description = any(random, kTexts);
                    break;
                case 2:
                    v.companyInfo = any(random, kTexts);
                    break;
                case 3:
                    v.os = random.bounded(3) ? QString() : any(random, kTexts);
                    break;
                case 4:
                    v.basis = any(random, kTexts);
                    break;
                case 5:
                    v.agreedPosition = any(random, kTexts);
                    v.agreedName = any(random, kTexts);
                    break;
                default:
                    t.change(random);
                }
            }
            const int lines = random.bounded(10);
            if (lines < 7) {
                t.tree.updateStructureLines(structure, state);
                ASSERT_EQ(structure, t.tree.structureLines()) << "round " << round;
            } else if (lines == 7) {
                structure.append(QStringLiteral(".bad"));
            } else if (lines == 8) {
                structure.clear();
            }
            referenceRenew(expected, v, structure, t.tree.records(), extended);
            renewer.renew(text, v, structure, t.tree.records(), &t.tree.history(),
                          {state.tree, state.revision});
            ASSERT_EQ(text, expected) << "round " << round << " step " << step;
            if (random.bounded(5) == 0) {
                // As after opening the file just written: a renewer that takes the text as
                // its own rewrite, which it always is unless a structure line begins with ".".
                ProjectRenewer opened(extended);
                const bool dotLine =
                    std::any_of(structure.begin(), structure.end(),
                                [](const QString& l) { return l.startsWith(u'.'); });
                ASSERT_EQ(opened.adopt(text, v, structure, t.tree.records(), &t.tree.history(),
                                       {state.tree, state.revision}),
                          !dotLine);
                renewer = opened;
            }
            if (random.bounded(5) == 0) {
                // As read back from the file: values of several lines taken as one entry each
                // change nothing the file holds, and the first rewrite is the literal one.
                QStringList read = parseProjectBytes(serializeProject(text).bytes);
                const QByteArray bytes = serializeProject(read).bytes;
                QStringList literal = read;
                referenceRenew(literal, v, structure, t.tree.records(), extended);
                ProjectRenewer opened(extended);
                opened.adopt(read, v, structure, t.tree.records(), &t.tree.history(),
                             {state.tree, state.revision});
                ASSERT_EQ(serializeProject(read).bytes, bytes);
                opened.renew(read, v, structure, t.tree.records(), &t.tree.history(),
                             {state.tree, state.revision});
                ASSERT_EQ(serializeProject(read).bytes, serializeProject(literal).bytes);
            }
            if (random.bounded(5) == 0 && !text.isEmpty()) {
                // A file that differs from the rewrite in one line is not taken as one: its
                // first rewrite gives what the literal rewrite gives.
                QStringList edited = text;
                QString& line = edited[random.bounded(edited.size())];
                line = any(random, {QStringLiteral("0"), QStringLiteral("."), QString()}) + line +
                       any(random, {QStringLiteral("x"), QString()});
                QStringList literal = edited;
                referenceRenew(literal, v, structure, t.tree.records(), extended);
                ProjectRenewer opened(extended);
                opened.adopt(edited, v, structure, t.tree.records(), &t.tree.history(),
                             {state.tree, state.revision});
                opened.renew(edited, v, structure, t.tree.records(), &t.tree.history(),
                             {state.tree, state.revision});
                ASSERT_EQ(edited, literal) << "round " << round << " step " << step;
            }
            if (random.bounded(10) == 0) {
                // Changed behind the renewer's back: a line more at the front.
                text.prepend(QStringLiteral("#"));
                expected.prepend(QStringLiteral("#"));
            }
        }
    }
}
