#include "project/codec1251.h"
#include "project/fileblocks.h"
#include "project/menutreeloader.h"
#include "project/projectfields.h"
#include "project/projectfile.h"
#include "project/projecttext.h"
#include "project/random32.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tz;

// Read from the bytes alone, the blocks give the values that the pages' reading rule takes
// from the whole text (the purpose also when decoded in one piece), the same structure tree,
// and the same answer to whether the file is a project.
TEST(FileBlocks, GiveWhatTheWholeTextGives) {
    const QList<QByteArray> pieces{
        ".Title", ".TITLE", ".Description", ".ProjectUID", ".Structure", ".Menu", ".u",
        ".c",     ".d",     ".l",           "12",          "1:12",       "2:7",   ".stray",
        "plain",  "",       "\xD1\xEA",     "\\.Title",    ".oS"};
    const QList<QByteArray> breaks{"\r\n", "\r", "\n"};
    const QList<QStringView> keys{u".Title",     u".Description", u".ProjectUID",
                                  u".Structure", u".Menu",        u".OS"};
    QRandomGenerator random(20261208);
    for (int round = 0; round < 5000; ++round) {
        QByteArray bytes;
        for (int i = random.bounded(0, 16); i > 0; --i) {
            bytes += pieces.at(random.bounded(pieces.size()));
            if (i > 1 || random.bounded(2))
                bytes += breaks.at(random.bounded(breaks.size()));
        }
        if (random.bounded(20) == 0)
            bytes.insert(random.bounded(bytes.size() + 1), '\0');
        const QStringList text = parseProjectBytes(bytes);
        const FileBlocks found = readFileBlocks(bytes, keys);
        const QStringList blocks = blocksText(found, keys);
        const std::string shown = decode1251(bytes).toStdString();
        ASSERT_EQ(bytes.isEmpty() || found.hasKeyLine,
                  looksLikeProject(LoadResult{true, text, bytes.isEmpty(), {}}))
            << shown;
        for (const QStringView key : keys)
            ASSERT_EQ(valueLines(blocks, key), valueLines(text, key)) << shown;
        const FileBlocks undecoded = readFileBlocks(bytes, keys, 1);
        ASSERT_EQ(joinedValue(bytes, undecoded.blocks[1], false),
                  readProjectValues(text, false).description)
            << shown;
        Random32 first(0), second(0);
        const LoadedMenuTree whole = loadMenuTree(text, first);
        const LoadedMenuTree fromBlocks = loadMenuTree(blocks, second);
        ASSERT_EQ(fromBlocks.tree.structureLines(), whole.tree.structureLines()) << shown;
        ASSERT_EQ(fromBlocks.damaged, whole.damaged) << shown;
        ASSERT_EQ(fromBlocks.tree.records().size(), whole.tree.records().size()) << shown;
        for (qsizetype i = 0; i < whole.tree.records().size(); ++i) {
            const TMyMenuData& a = fromBlocks.tree.records().at(i);
            const TMyMenuData& b = whole.tree.records().at(i);
            ASSERT_TRUE(a.Uid == b.Uid && a.Tag == b.Tag && a.Caption == b.Caption &&
                        a.Description == b.Description)
                << shown;
        }
    }
}
