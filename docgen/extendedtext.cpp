#include "docgen/extendedtext.h"

#include "project/sectiontexts.h"
#include "project/standardlists.h"
#include "project/textlines.h"

#include <QRegularExpression>

namespace tz {
namespace {

const QString kBlank = QStringLiteral("______________________________");

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

// The outline's text with the values in place of its "%1" and "%2".
QString withValues(QStringView text, const QString& first, const QString& second = {}) {
    return text.toString().replace(QLatin1String("%1"), first).replace(QLatin1String("%2"), second);
}

// A sentence ends with a full stop unless it ends with a mark of its own.
QString sentence(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || QStringLiteral(".!?…").contains(trimmed.back()))
        return trimmed;
    return trimmed + u'.';
}

// The letters of a list's items, as ГОСТ 2.105 gives them: without ё, з, й, о, ч, ъ, ы, ь.
QString itemLetter(qsizetype index) {
    static const QString letters = QStringLiteral("абвгдежиклмнпрстуфхцшщэюя");
    QString letter(letters.at(index % letters.size()));
    if (index >= letters.size())
        letter += QString::number(index / letters.size() + 1);
    return letter + u')';
}

// The systems ticked and the other one typed, for the requirements that name them.
QStringList systemsOf(const ProjectValues& v) {
    QStringList systems = splitLines(v.os);
    systems.removeAll(QString());
    if (!isBlank(v.osOther))
        systems.append(v.osOther.trimmed());
    return systems;
}

Block caption(const QString& text) {
    Block b = paragraph(text);
    b.keepWithNext = true;
    return b;
}

// Lays out the rows of one section: the rows of the program's type, with the values the
// outline asks for, list items lettered and ended with ";" or, the last, with ".".
class SectionBuilder {
public:
    SectionBuilder(const DocumentInputs& in)
        : m_in(in), m_v(in.values), m_type(typeBit(programTypeOf(in.values.programType))) {}

    QList<Block> build(std::span<const OutlineRow> rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (!rows[i].alternative)
                add(rows[i], alternativesAfter(rows.subspan(i + 1)));
        }
        flushItems();
        return m_blocks;
    }

private:
    static std::span<const OutlineRow> alternativesAfter(std::span<const OutlineRow> rest) {
        std::size_t n = 0;
        while (n < rest.size() && rest[n].alternative)
            ++n;
        return rest.first(n);
    }

    bool forType(const OutlineRow& row) const { return (row.types & m_type) != 0; }

    void rows(std::span<const OutlineRow> rows) {
        for (const OutlineRow& row : rows) {
            if (forType(row))
                text(row, row.text.toString());
        }
    }

    // A paragraph of the row, or an item of the list it belongs to.
    void text(const OutlineRow& row, const QString& text) {
        if (row.item) {
            m_items.append(text);
            return;
        }
        flushItems();
        m_blocks.append(paragraph(text));
    }

    void items(const QStringList& texts) {
        flushItems();
        m_items = texts;
        flushItems();
    }

    void flushItems() {
        for (qsizetype i = 0; i < m_items.size(); ++i) {
            Block b = paragraph(itemLetter(i) + u' ' + m_items.at(i) +
                                (i + 1 < m_items.size() ? u';' : u'.'));
            b.level = 1;
            m_blocks.append(b);
        }
        m_items.clear();
    }

    // The row's text, then the lines under it, kept with it.
    void introduced(const OutlineRow& row, const QString& lines) {
        flushItems();
        if (!row.text.isEmpty())
            m_blocks.append(caption(row.text.toString()));
        m_blocks.append(tz::lines(lines, row.text.isEmpty() ? 0 : 1));
    }

    void add(const OutlineRow& row, std::span<const OutlineRow> alternatives) {
        if (!forType(row))
            return;
        switch (row.part) {
        case OutlinePart::None:
            text(row, row.text.toString());
            break;
        case OutlinePart::Title:
            text(row, withValues(row.text, orBlank(m_v.title)));
            break;
        case OutlinePart::Purpose:
            flushItems();
            m_blocks.append(lines(m_v.description));
            break;
        case OutlinePart::Basis:
            if (const QString basis = filledLines(m_v.basis); !basis.isEmpty())
                introduced(row, basis);
            else
                text(alternatives.front(), withValues(alternatives.front().text, kBlank));
            break;
        case OutlinePart::Parties:
            parties();
            break;
        case OutlinePart::Functions:
            if (m_in.functions.isEmpty())
                rows(alternatives);
            else
                functions(row);
            break;
        case OutlinePart::Staff:
        case OutlinePart::Hardware:
            if (const QString own =
                    filledLines(row.part == OutlinePart::Staff ? m_v.staff : m_v.hardware);
                !own.isEmpty())
                introduced(row, own);
            else
                rows(alternatives);
            break;
        case OutlinePart::Systems: {
            const QStringList systems = systemsOf(m_v);
            if (systems.isEmpty()) {
                text(row, row.text.toString());
            } else {
                const OutlineRow& named =
                    systems.size() == 1 ? alternatives.front() : alternatives.back();
                text(named, withValues(named.text, systems.join(QLatin1String(", "))));
            }
            break;
        }
        case OutlinePart::Database:
            // A database is the typical program's.
            if (m_type == typeBit(ProgramType::Typical) && !isBlank(m_v.database))
                text(row, withValues(row.text, m_v.database.trimmed()));
            else
                rows(alternatives);
            break;
        case OutlinePart::Documents:
            documents(row, alternatives);
            break;
        case OutlinePart::Stages:
            stages(row, alternatives);
            break;
        case OutlinePart::StageWorks:
            for (const ChosenStage& chosen : chosenStages(m_v.stages)) {
                for (const StageRow& stage : developmentStages()) {
                    if (stage.name == chosen.name)
                        text(row, withValues(row.text, chosen.name, stage.works.toString()));
                }
            }
            break;
        }
    }

    void parties() {
        flushItems();
        m_blocks.append(paragraph(sentence(QStringLiteral("Заказчик: ") + orBlank(m_v.customer))));
        m_blocks.append(
            paragraph(sentence(QStringLiteral("Исполнитель: ") + orBlank(m_v.executor))));
        QStringList holder;
        const std::pair<const char16_t*, const QString*> details[] = {
            {u"сайт ", &m_v.companyURL},
            {u"электронная почта ", &m_v.companyEMail},
            {u"телефон ", &m_v.companyPhone}};
        for (const auto& [label, value] : details) {
            if (!isBlank(*value))
                holder.append(QString::fromUtf16(label) + value->trimmed());
        }
        const QString info = filledLines(m_v.companyInfo);
        if (isBlank(m_v.companyName) && holder.isEmpty() && info.isEmpty())
            return;
        holder.prepend(QStringLiteral("Правообладатель: ") + orBlank(m_v.companyName));
        m_blocks.append(paragraph(sentence(holder.join(QLatin1String("; ")))));
        if (!info.isEmpty())
            m_blocks.append(lines(info));
    }

    // Each menu item under its number, its description below it and kept with it.
    void functions(const OutlineRow& row) {
        flushItems();
        m_blocks.append(caption(row.text.toString()));
        for (const DocumentFunction& f : m_in.functions) {
            const int depth = int(f.number.count(u'.')) - 2;
            Block item =
                paragraph(f.number + u' ' + f.caption +
                          (f.standard ? QStringLiteral(" (стандартная функция)") : QString()));
            item.level = qMax(0, depth - 1);
            const QString description = filledLines(f.description);
            item.keepWithNext = !description.isEmpty();
            m_blocks.append(item);
            if (!description.isEmpty())
                m_blocks.append(lines(description, qMax(1, depth)));
        }
    }

    void documents(const OutlineRow& row, std::span<const OutlineRow> alternatives) {
        QStringList names = splitLines(m_v.documents);
        names.removeAll(QString());
        if (names.isEmpty()) {
            rows(alternatives);
            return;
        }
        for (QString& name : names)
            name = name.trimmed().left(1).toLower() + name.trimmed().mid(1);
        text(row, row.text.toString());
        m_blocks.last().keepWithNext = true;
        items(names);
    }

    void stages(const OutlineRow& row, std::span<const OutlineRow> alternatives) {
        const QList<ChosenStage> chosen = chosenStages(m_v.stages);
        if (chosen.isEmpty()) {
            rows(alternatives);
            return;
        }
        text(row, row.text.toString());
        Block table;
        table.kind = BlockKind::Table;
        table.widths = {0.3, 0.5, 0.2};
        table.rows.append(
            {QStringLiteral("Стадия"), QStringLiteral("Этапы работ"), QStringLiteral("Срок")});
        for (const ChosenStage& stage : chosen) {
            QString steps;
            for (const StageRow& known : developmentStages()) {
                if (known.name == stage.name)
                    steps = known.steps.toString();
            }
            table.rows.append(
                {stage.name, steps,
                 isBlank(stage.deadline) ? QStringLiteral("______") : stage.deadline.trimmed()});
        }
        m_blocks.append(caption(QStringLiteral("Таблица 1 - Стадии и этапы разработки")));
        m_blocks.append(table);
    }

    const DocumentInputs& m_in;
    const ProjectValues& m_v;
    const TypeMask m_type;
    QList<Block> m_blocks;
    QStringList m_items;
};

QString blockText(const Block& b) {
    switch (b.kind) {
    case BlockKind::Paragraph:
    case BlockKind::Lines:
        return b.text;
    case BlockKind::Table: {
        QStringList rows;
        for (const QStringList& row : b.rows)
            rows.append(row.join(QLatin1String(" | ")));
        return rows.join(QLatin1String("\r\n"));
    }
    default:
        return QString();
    }
}

} // namespace

QString blankLine() {
    return kBlank;
}

QList<Block> sectionBlocks(const OutlineSection& section, const DocumentInputs& inputs) {
    if (section.editable) {
        const QString own =
            sectionText(sectionTexts(inputs.values.sections), section.heading->text.toString());
        if (!own.isNull())
            return userTextBlocks(own);
    }
    return SectionBuilder(inputs).build(section.body);
}

QString defaultSectionText(const OutlineSection& section, const DocumentInputs& inputs) {
    QStringList texts;
    for (const Block& b : SectionBuilder(inputs).build(section.body))
        texts.append(blockText(b));
    return texts.join(QLatin1String("\r\n"));
}

QList<Block> userTextBlocks(const QString& text) {
    static const QRegularExpression marker(
        QStringLiteral("^\\s*([а-яёa-z]\\)|\\d+[).]|[-—–•])\\s"));
    QList<Block> blocks;
    for (const QString& line : splitLines(text)) {
        if (isBlank(line))
            continue;
        Block b = paragraph(line.trimmed());
        if (marker.match(line).hasMatch())
            b.level = 1;
        blocks.append(b);
    }
    return blocks;
}

Sheet textSheet(const DocumentInputs& inputs) {
    Sheet sheet{SheetKind::Text};
    for (const OutlineSection& section : outlineSections()) {
        const OutlineRow& h = *section.heading;
        sheet.blocks.append(
            heading(h.level, h.number.toString() + QStringLiteral(". ") + h.text.toString()));
        sheet.blocks += sectionBlocks(section, inputs);
    }
    return sheet;
}

} // namespace tz
