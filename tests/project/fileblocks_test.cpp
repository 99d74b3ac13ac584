#include "project/codec1251.h"
#include "project/fileblocks.h"
#include "project/projectfile.h"
#include "project/projecttext.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tz;

// Read from the bytes alone, the blocks give the values that the pages' reading rule takes
// from the whole text, and the same answer to whether the file is a project.
TEST(FileBlocks, GiveWhatTheReadingRuleTakesFromTheWholeText) {
    const QList<QByteArray> pieces{".Title", ".TITLE", ".Description", ".ProjectUID",
                                   ".Menu",  ".u",     ".stray",       "plain",
                                   "",       "Склад",  "\xD1\xEA"};
    const QList<QByteArray> breaks{"\r\n", "\r", "\n"};
    const QList<QStringView> keys{u".Title", u".Description", u".ProjectUID", u".Menu"};
    QRandomGenerator random(20261208);
    for (int round = 0; round < 5000; ++round) {
        QByteArray bytes;
        for (int i = random.bounded(0, 10); i > 0; --i) {
            bytes += pieces.at(random.bounded(pieces.size()));
            if (i > 1 || random.bounded(2))
                bytes += breaks.at(random.bounded(breaks.size()));
        }
        if (random.bounded(20) == 0)
            bytes.insert(random.bounded(bytes.size() + 1), '\0');
        const QStringList text = parseProjectBytes(bytes);
        const FileBlocks blocks = readFileBlocks(bytes, keys);
        ASSERT_EQ(blocks.isProject, looksLikeProject(text)) << bytes.toStdString();
        for (qsizetype k = 0; k < keys.size(); ++k) {
            ASSERT_EQ(valueLines(blocks.blocks[std::size_t(k)]), valueLines(text, keys[k]))
                << decode1251(bytes).toStdString() << " key " << k;
        }
    }
}
