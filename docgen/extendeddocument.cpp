#include "docgen/extendeddocument.h"

#include "docgen/extendedoutline.h"
#include "docgen/pagination.h"
#include "project/textlines.h"

namespace tz {
namespace {

const QString kBlank = QStringLiteral("______________________________");
const QString kSignature = QStringLiteral("________________ ");
const QString kDate = QStringLiteral("«___» ______________ 20___ г.");
const QString kKind = QStringLiteral("ТЕХНИЧЕСКОЕ ЗАДАНИЕ");
constexpr int kTitlePt = 14;

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

QString orBlank(const QString& value) {
    return isBlank(value) ? kBlank : value.trimmed();
}

// The lines of a text that hold something, as one text.
QString filledLines(const QString& text) {
    QStringList kept;
    for (const QString& line : splitLines(text)) {
        if (!isBlank(line))
            kept.append(line);
    }
    return kept.join(QLatin1String("\r\n"));
}

Block centred(const QString& text, bool bold = false, int sizePt = 12) {
    return paragraph(text, Align::Center, bold, sizePt);
}

// The program's name as the sheets show it: in capitals, kept whole.
Block nameOnSheet(const QString& title) {
    Block b = centred(isBlank(title) ? kBlank : title.trimmed().toUpper(), true, kTitlePt);
    b.unbreakable = true;
    return b;
}

QStringList signatureColumn(const QString& caption, const QString& position, const QString& name,
                            const QString& organisation) {
    QStringList column{caption, orBlank(position)};
    if (!isBlank(organisation))
        column.append(organisation.trimmed());
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
                                v.companyName)),
        gap(96),
        nameOnSheet(v.title),
        gap(12),
        centred(kKind, true, kTitlePt),
        gap(6),
        centred(QStringLiteral("ЛИСТ УТВЕРЖДЕНИЯ"), true),
        centred(approvalSheetDesignation(v.designation)),
        gap(120),
        columns({}, {QStringLiteral("ИСПОЛНИТЕЛЬ"), orBlank(v.companyName),
                     kSignature + QStringLiteral("________________"), kDate}),
    };
    return sheet;
}

qreal heightOf(const QList<Block>& blocks) {
    DocModel one;
    one.sheets = {Sheet{SheetKind::Text, blocks}};
    class Bottom : public PageSink {
    public:
        qreal bottom = 0;
        void beginPage(int) override {}
        void line(const LaidLine& l) override { bottom = qMax(bottom, l.y + l.format->lineHeight); }
    } sink;
    paginate(one, {}, &sink);
    return sink.bottom;
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
    // The year at the foot of the sheet, whatever the name's length.
    const Block year = centred(QString::number(in.year));
    const qreal used = heightOf(sheet.blocks + QList<Block>{year});
    sheet.blocks += {gap(qMax<qreal>(0, page::kTextHeight - used - 2)), year};
    return sheet;
}

Sheet contentsSheet() {
    Block contents;
    contents.kind = BlockKind::Contents;
    Block caption = centred(QStringLiteral("СОДЕРЖАНИЕ"), true, kTitlePt);
    caption.keepWithNext = true;
    return {SheetKind::Contents, {caption, gap(6), contents}};
}

// The systems ticked and the other one typed, for the requirements that name them; empty
// when nothing is.
QStringList systemsOf(const ProjectValues& v) {
    QStringList systems = splitLines(v.os);
    systems.removeAll(QString());
    if (!isBlank(v.osOther))
        systems.append(v.osOther.trimmed());
    return systems;
}

// The outline's text with the value in place of its "%1".
QString withValue(QStringView text, const QString& value) {
    return text.toString().replace(QLatin1String("%1"), value);
}

// The text of the extended document from its outline: headings with their numbers,
// paragraphs, list items indented, and what the project brings in where the outline says.
class TextBuilder {
public:
    explicit TextBuilder(const DocumentInputs& in)
        : m_in(in), m_v(in.values), m_systems(systemsOf(m_v)) {}

    Sheet build() {
        const std::span<const OutlineRow> rows = extendedOutline();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (!rows[i].alternative)
                add(rows[i], rows.subspan(i + 1));
        }
        return {SheetKind::Text, m_blocks};
    }

private:
    // The alternatives that follow a row.
    static std::span<const OutlineRow> alternativesAfter(std::span<const OutlineRow> rest) {
        std::size_t n = 0;
        while (n < rest.size() && rest[n].alternative)
            ++n;
        return rest.first(n);
    }

    void add(const OutlineRow& row, std::span<const OutlineRow> rest) {
        const QString text = row.text.toString();
        if (row.level > 0) {
            m_blocks.append(
                heading(row.level, row.number.toString() + QStringLiteral(". ") + text));
            return;
        }
        const std::span<const OutlineRow> alternatives = alternativesAfter(rest);
        switch (row.part) {
        case OutlinePart::None:
            body(row, text);
            break;
        case OutlinePart::Title:
            body(row, withValue(text, m_v.title.trimmed()));
            break;
        case OutlinePart::Purpose:
            m_blocks.append(lines(m_v.description));
            break;
        case OutlinePart::Basis: {
            const QString basis = filledLines(m_v.basis);
            if (basis.isEmpty())
                body(alternatives.front(), withValue(alternatives.front().text, kBlank));
            else
                introduced(row, text, basis);
            break;
        }
        case OutlinePart::Parties:
            parties();
            break;
        case OutlinePart::Functions:
            if (m_in.functions.isEmpty())
                body(alternatives.front(), alternatives.front().text.toString());
            else
                functions(row, text);
            break;
        case OutlinePart::Staff:
        case OutlinePart::Hardware: {
            const QString filled =
                filledLines(row.part == OutlinePart::Staff ? m_v.staff : m_v.hardware);
            if (!filled.isEmpty())
                introduced(row, text, filled);
            break;
        }
        case OutlinePart::Systems:
            if (m_systems.isEmpty()) {
                body(row, text);
            } else {
                const OutlineRow& named =
                    m_systems.size() == 1 ? alternatives.front() : alternatives.back();
                body(named, withValue(named.text, m_systems.join(QLatin1String(", "))));
            }
            break;
        }
    }

    // A paragraph of the text; an item of a list is indented.
    void body(const OutlineRow& row, const QString& text) {
        Block b = paragraph(text);
        if (row.item)
            b.level = 1;
        m_blocks.append(b);
    }

    // The user's own lines under the row's text, which introduces them.
    void introduced(const OutlineRow& row, const QString& text, const QString& filled) {
        body(row, text);
        m_blocks.last().keepWithNext = true;
        m_blocks.append(lines(filled, 1));
    }

    void parties() {
        m_blocks.append(paragraph(QStringLiteral("Заказчик: ") + orBlank(m_v.customer)));
        m_blocks.append(paragraph(QStringLiteral("Исполнитель: ") + orBlank(m_v.companyName)));
        const std::pair<const char16_t*, const QString*> details[] = {
            {u"Сайт исполнителя: ", &m_v.companyURL},
            {u"Электронная почта: ", &m_v.companyEMail},
            {u"Телефон: ", &m_v.companyPhone}};
        for (const auto& [label, value] : details) {
            if (!isBlank(*value))
                m_blocks.append(paragraph(QString::fromUtf16(label) + value->trimmed()));
        }
        const QString info = filledLines(m_v.companyInfo);
        if (!info.isEmpty())
            m_blocks.append(lines(info));
    }

    // Each menu item under its number, its description below it and kept with it.
    void functions(const OutlineRow& row, const QString& sentence) {
        body(row, sentence);
        m_blocks.last().keepWithNext = true;
        for (const DocumentFunction& f : m_in.functions) {
            const int depth = int(f.number.count(u'.')) - 2;
            Block caption = paragraph(f.number + u' ' + f.caption);
            caption.level = qMax(0, depth - 1);
            const QString description = filledLines(f.description);
            caption.keepWithNext = !description.isEmpty();
            m_blocks.append(caption);
            if (!description.isEmpty())
                m_blocks.append(lines(description, qMax(1, depth)));
        }
    }

    const DocumentInputs& m_in;
    const ProjectValues& m_v;
    const QStringList m_systems;
    QList<Block> m_blocks;
};

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
    model.sheets = {approvalSheet(in.values), titleSheet(in), contentsSheet(),
                    TextBuilder(in).build()};
    return model;
}

} // namespace tz
