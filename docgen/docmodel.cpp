#include "docgen/docmodel.h"

namespace tz {

Block heading(int level, const QString& text) {
    Block b;
    b.kind = BlockKind::Heading;
    b.level = level;
    b.text = text;
    b.bold = true;
    b.keepWithNext = true;
    return b;
}

Block paragraph(const QString& text, Align align, bool bold, int sizePt) {
    Block b;
    b.text = text;
    b.align = align;
    b.bold = bold;
    b.sizePt = sizePt;
    return b;
}

Block lines(const QString& text, int indent) {
    Block b;
    b.kind = BlockKind::Lines;
    b.text = text;
    b.level = indent;
    return b;
}

Block gap(qreal pt) {
    Block b;
    b.kind = BlockKind::Gap;
    b.spacePt = pt;
    return b;
}

} // namespace tz
