#include "docgen/modelwalk.h"

#include "project/textlines.h"

namespace tz {

void ModelVisitor::lines(QStringView text, const ParaFormat& format) {
    forEachLine(text, [&](QStringView line) { paragraph(line, format, false); });
}

void walkModel(const DocModel& model, const Pagination& pages, ModelVisitor& visitor) {
    const QList<const Block*> headings = headingsOf(model);
    int heading = 0;
    for (qsizetype s = 0; s < model.sheets.size(); ++s) {
        const Sheet& sheet = model.sheets.at(s);
        visitor.beginSheet(sheet, s);
        for (const Block& b : sheet.blocks) {
            switch (b.kind) {
            case BlockKind::Heading:
                visitor.heading(b, ++heading);
                break;
            case BlockKind::Paragraph:
                visitor.paragraph(paragraphText(b, pages), formatOf(b), b.unbreakable);
                break;
            case BlockKind::Lines:
                visitor.lines(b.text, formatOf(b));
                break;
            case BlockKind::Columns:
                visitor.columns(b);
                break;
            case BlockKind::Table:
                visitor.table(b);
                break;
            case BlockKind::Contents:
                visitor.contents(headings);
                break;
            case BlockKind::Gap:
                visitor.paragraph(QStringView(), gapFormat(b.spacePt), false);
                break;
            }
        }
        visitor.endSheet(sheet);
    }
}

} // namespace tz
