#include "docgen/docstyle.h"

#include <cmath>

namespace tz {

bool endsWithSheetEnd(SheetKind kind) {
    return kind == SheetKind::Approval || kind == SheetKind::Title;
}

ParaFormat gapFormat(qreal height) {
    ParaFormat f;
    f.sizePt = 1;
    f.lineHeight = height;
    return f;
}

qreal lineHeightOf(int sizePt) {
    return std::round(sizePt * 1.15 * 2) / 2;
}

int headingSizePt(int level) {
    return level <= 1 ? 16 : level == 2 ? 14 : 12;
}

ParaFormat formatOf(const Block& block) {
    ParaFormat f;
    if (block.kind == BlockKind::Heading) {
        f.sizePt = headingSizePt(block.level);
        f.bold = true;
        f.spaceBefore = block.level <= 1 ? 18 : 12;
        f.spaceAfter = 6;
        f.keepWithNext = true;
    } else {
        f.sizePt = block.sizePt;
        f.bold = block.bold;
        f.spaceBefore = block.spacePt;
        f.indent = block.level * page::kIndentStep;
        f.align = block.align;
        f.keepWithNext = block.keepWithNext;
        f.unbreakable = block.unbreakable;
    }
    f.lineHeight = lineHeightOf(f.sizePt);
    return f;
}

ParaFormat contentsEntryFormat(int level) {
    ParaFormat f;
    f.indent = (qMax(level, 1) - 1) * page::kIndentStep;
    f.lineHeight = lineHeightOf(f.sizePt);
    f.spaceBefore = level <= 1 ? 6 : 0;
    f.tabRight = true;
    return f;
}

ParaFormat cellFormat(bool header) {
    ParaFormat f;
    f.bold = header;
    f.lineHeight = lineHeightOf(f.sizePt);
    return f;
}

QList<qreal> tableColumnWidths(const Block& table) {
    const qsizetype count = table.rows.isEmpty() ? 0 : table.rows.constFirst().size();
    qreal total = 0;
    for (qsizetype c = 0; c < count; ++c)
        total += table.widths.value(c, 1);
    QList<qreal> widths;
    for (qsizetype c = 0; c < count; ++c)
        widths.append(page::kTextWidth * table.widths.value(c, 1) / total);
    return widths;
}

ParaFormat columnFormat() {
    ParaFormat f;
    f.lineHeight = lineHeightOf(f.sizePt);
    return f;
}

ParaFormat columnSideFormat(bool right) {
    ParaFormat f = columnFormat();
    (right ? f.indent : f.rightIndent) = page::kColumnGap / 2;
    f.widowControl = false;
    return f;
}

} // namespace tz
