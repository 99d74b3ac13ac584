#pragma once

#include "docgen/docmodel.h"

namespace tz {

// The page and paragraph formats that every writer of the document model uses, so that the
// pages counted for the contents are the pages a reader sees. Lengths in points.
namespace page {

constexpr qreal mm(qreal millimetres) {
    return millimetres * 72 / 25.4;
}
// A4 portrait; the left margin leaves room for binding.
constexpr qreal kWidthMm = 210, kHeightMm = 297;
constexpr qreal kLeftMm = 25, kRightMm = 10, kTopMm = 20, kBottomMm = 20;
// The page number stands centred this far from the top edge.
constexpr qreal kHeaderMm = 10;
constexpr int kNumberPt = 12;
constexpr qreal kTextWidth = mm(kWidthMm - kLeftMm - kRightMm);
constexpr qreal kTextHeight = mm(kHeightMm - kTopMm - kBottomMm);
// An indent step of lists and of the contents' levels.
constexpr qreal kIndentStep = mm(7.5);
// The room of a page number on the right of a contents entry.
constexpr qreal kNumberColumn = mm(12);
constexpr qreal kColumnGap = mm(10);
constexpr qreal kColumnWidth = (kTextWidth - kColumnGap) / 2;
// A table's cells: the room between their text and their rules, and the rules' width.
constexpr qreal kCellPaddingX = 4;
constexpr qreal kCellPaddingY = 2;
constexpr qreal kRuleWidth = 0.5;
// The empty paragraph that ends the approval and title sheets: Word keeps a section's page
// settings in a paragraph of its own after the sheet's text, and every format writes one
// alike, so that a sheet full to its foot runs on to another page in each of them.
constexpr qreal kSheetEndPt = 0.5;

} // namespace page

struct ParaFormat {
    int sizePt = 12;
    bool bold = false;
    qreal lineHeight = 14; // exactly, in every format
    qreal spaceBefore = 0;
    qreal spaceAfter = 0;
    qreal indent = 0;
    qreal rightIndent = 0;
    Align align = Align::Left;
    bool keepWithNext = false;
    bool unbreakable = false;
    // Widow and orphan control: two lines at least of the paragraph on each side of a page
    // break within it.
    bool widowControl = true;
    bool tabRight = false; // a tab to the right edge, filled with dots (the contents)

    friend bool operator==(const ParaFormat&, const ParaFormat&) = default;
};

// Whether a sheet ends with the empty paragraph of page::kSheetEndPt.
bool endsWithSheetEnd(SheetKind kind);

// The line height of a size: 1.15 times it, to the half point.
qreal lineHeightOf(int sizePt);
int headingSizePt(int level);

// The format of a heading, a paragraph or each paragraph of a Lines block.
ParaFormat formatOf(const Block& block);
ParaFormat contentsEntryFormat(int level);
// An empty paragraph of the height: a gap.
ParaFormat gapFormat(qreal height);
ParaFormat columnFormat();
// A paragraph of a Columns block in its column's half of the text's width: half the gap
// between the columns on its inner side. The columns are a table's row that may run on to the
// next page, where LibreOffice keeps no widows and orphans: neither does any format here.
ParaFormat columnSideFormat(bool right);
// The text of a table's cells; the header's is bold.
ParaFormat cellFormat(bool header);
// A table's columns in points, the text's whole width.
QList<qreal> tableColumnWidths(const Block& table);

} // namespace tz
