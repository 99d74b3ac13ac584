#include "docgen/extendeddocument.h"

#include "docgen/extendedtext.h"
#include "docgen/pagination.h"
#include "docgen/typography.h"

#include <optional>

namespace tz {
namespace {

const QString kSignature = QStringLiteral("________________ ");
const QString kDate = QStringLiteral("«___» ______________ 20___ г.");
const QString kKind = QStringLiteral("ТЕХНИЧЕСКОЕ ЗАДАНИЕ");
constexpr int kTitlePt = 14;

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

QString orBlank(const QString& value) {
    return isBlank(value) ? blankLine() : value.trimmed();
}

Block centred(const QString& text, bool bold = false, int sizePt = 12) {
    return paragraph(text, Align::Center, bold, sizePt);
}

// The program's name as the sheets show it: in capitals, kept whole.
Block nameOnSheet(const QString& title) {
    Block b = centred(orBlank(title).toUpper(), true, kTitlePt);
    b.unbreakable = true;
    return b;
}

QStringList signatureColumn(const QString& caption, const QString& position, const QString& name,
                            const QString& organisation) {
    QStringList column{caption, orBlank(position), orBlank(organisation)};
    column.append(kSignature +
                  (isBlank(name) ? QStringLiteral("________________") : name.trimmed()));
    column.append(kDate);
    return column;
}

Block columns(const QStringList& left, const QStringList& right) {
    Block b;
    b.kind = BlockKind::Columns;
    b.left = left;
    b.right = right;
    return b;
}

Sheet approvalSheet(const ProjectValues& v) {
    Sheet sheet{SheetKind::Approval};
    sheet.blocks = {
        columns(signatureColumn(QStringLiteral("СОГЛАСОВАНО"), v.agreedPosition, v.agreedName,
                                v.customer),
                signatureColumn(QStringLiteral("УТВЕРЖДАЮ"), v.approvedPosition, v.approvedName,
                                v.executor)),
        gap(96),
        nameOnSheet(v.title),
        gap(12),
        centred(kKind, true, kTitlePt),
        gap(6),
        centred(QStringLiteral("ЛИСТ УТВЕРЖДЕНИЯ"), true),
        centred(approvalSheetDesignation(v.designation)),
        gap(120),
        columns({}, {QStringLiteral("ИСПОЛНИТЕЛЬ"), orBlank(v.executor),
                     kSignature + QStringLiteral("________________"), kDate}),
    };
    return sheet;
}

// The height of the blocks on one page; none when they run on to another.
std::optional<qreal> heightOf(const QList<Block>& blocks) {
    DocModel one;
    one.sheets = {Sheet{SheetKind::Text, blocks}};
    class Bottom : public PageSink {
    public:
        qreal bottom = 0;
        int pages = 0;
        void beginPage(int) override { ++pages; }
        void line(const LaidLine& l) override { bottom = qMax(bottom, l.y + l.format->lineHeight); }
    } sink;
    paginate(one, {}, &sink);
    return sink.pages == 1 ? std::optional(sink.bottom) : std::nullopt;
}

Sheet titleSheet(const DocumentInputs& in) {
    const ProjectValues& v = in.values;
    Sheet sheet{SheetKind::Title};
    Block sheets = centred(QStringLiteral("Листов "));
    sheets.field = Field::SheetCount;
    sheet.blocks = {
        paragraph(QStringLiteral("УТВЕРЖДЕН")),
        paragraph(approvalSheetDesignation(v.designation)),
        gap(150),
        nameOnSheet(v.title),
        gap(12),
        centred(kKind, true, kTitlePt),
        gap(12),
        centred(documentDesignation(v.designation)),
        sheets,
    };
    // The year at the foot of the sheet, where the sheet holds it; a name too long for one
    // page runs on to the next and the year follows it there.
    const Block year = centred(QString::number(in.year));
    const std::optional<qreal> used = heightOf(sheet.blocks + QList<Block>{year});
    if (used && *used + 2 < page::kTextHeight)
        sheet.blocks.append(gap(page::kTextHeight - *used - 2));
    sheet.blocks.append(year);
    return sheet;
}

Sheet contentsSheet() {
    Block contents;
    contents.kind = BlockKind::Contents;
    Block caption = centred(QStringLiteral("СОДЕРЖАНИЕ"), true, kTitlePt);
    caption.keepWithNext = true;
    return {SheetKind::Contents, {caption, gap(6), contents}};
}

} // namespace

QString documentDesignation(const QString& designation) {
    return (isBlank(designation) ? QStringLiteral("RU.________._____-__") : designation.trimmed()) +
           QStringLiteral(" ТЗ 01");
}

QString approvalSheetDesignation(const QString& designation) {
    return documentDesignation(designation) + QStringLiteral("-ЛУ");
}

DocModel extendedDocument(const DocumentInputs& in) {
    DocModel model;
    model.properties = documentProperties(in);
    model.sheets = {approvalSheet(in.values), titleSheet(in), contentsSheet(), textSheet(in)};
    typeset(model);
    return model;
}

} // namespace tz
