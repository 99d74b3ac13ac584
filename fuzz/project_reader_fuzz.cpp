// Any bytes load; saving what was loaded and loading it again gives the same entries; a
// rewrite is stable: running it twice gives the text of running it once; the blocks read
// from the bytes alone give what the reading rule takes from the whole text, in either mode,
// and the same menu records; the rewrite writes back the records the reader took.
#include "project/fileblocks.h"
#include "project/menutreeloader.h"
#include "project/projectfields.h"
#include "project/projectfile.h"
#include "project/projecttext.h"
#include "project/random32.h"

#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList text = tz::parseProjectBytes(bytes);
    const tz::ProjectBytes saved = tz::serializeProject(text);
    check(saved.unencodable.isEmpty());
    check(tz::parseProjectBytes(saved.bytes) == text);
    const QList<QStringView> keys{u".Title", u".Description"};
    const tz::FileBlocks found = tz::readFileBlocks(bytes, keys);
    check((size == 0 || found.hasKeyLine) ==
          tz::looksLikeProject(tz::LoadResult{true, text, size == 0, {}}));
    const QStringList blocks = tz::blocksText(found, keys);
    check(tz::valueLines(blocks, u".Title") == tz::valueLines(text, u".Title"));
    check(tz::valueLines(blocks, u".Description") == tz::valueLines(text, u".Description"));
    // The purpose decoded in one piece, as export reads it.
    check(tz::joinedValue(bytes, tz::readFileBlocks(bytes, keys, 1).blocks[1], false) ==
          tz::readProjectValues(text, false).description);

    // The extended mode's reading and the menu records, as export reads them from the bytes.
    const QList<QStringView> extendedKeys{u".Description", u".CompanyInfo", u".Structure",
                                          u".Menu"};
    const QStringList extendedBlocks =
        tz::blocksText(tz::readFileBlocks(bytes, extendedKeys), extendedKeys);
    check(tz::valueLines(extendedBlocks, u".CompanyInfo", true) ==
          tz::valueLines(text, u".CompanyInfo", true));
    check(tz::joinedValue(bytes, tz::readFileBlocks(bytes, extendedKeys, 0).blocks[0], true) ==
          tz::readProjectValues(text, true).description);
    tz::Random32 first(0), second(0);
    const tz::LoadedMenuTree loaded = tz::loadMenuTree(text, first);
    check(tz::loadMenuTree(extendedBlocks, second).tree.records() == loaded.tree.records());

    tz::ProjectValues values = tz::readProjectValues(text, true);
    const tz::MenuRecords menu{{values.title, values.description, 0, 10000000}};
    const QStringList structure{QStringLiteral("1:10000000"), QStringLiteral("0:R")};

    QStringList once = text;
    tz::renewProjectText(once, values, structure, menu, true);
    QStringList twice = once;
    tz::renewProjectText(twice, values, structure, menu, true);
    check(twice == once);
    // What a rewrite wrote reads back as what was written; the title page's values lose
    // their leading points, as the page shows them.
    const QStringList reloaded = tz::parseProjectBytes(tz::serializeProject(once).bytes);
    values.title = tz::stripLeadingDots(values.title);
    values.description = tz::stripLeadingDotsPerLine(values.description);
    check(tz::readProjectValues(reloaded, true) == values);

    // The rewrite replaces exactly the records the reader took: written back, they read back
    // the same.
    QStringList renewed = text;
    tz::renewProjectText(renewed, values, loaded.tree.structureLines(), loaded.tree.records(),
                         true);
    tz::Random32 third(0);
    const QStringList renewedFile = tz::parseProjectBytes(tz::serializeProject(renewed).bytes);
    check(tz::loadMenuTree(renewedFile, third).tree.records() == loaded.tree.records());
    return 0;
}
