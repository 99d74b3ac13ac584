#include "docgen/extendeddocument.h"

#include "docgen/pagination.h"
#include "project/textlines.h"

#include <QRegularExpression>

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

QStringList signatureColumn(const QString& caption, const Signatory& who,
                            const QString& organisation) {
    QStringList column{caption, orBlank(who.position)};
    if (!isBlank(organisation))
        column.append(organisation.trimmed());
    column.append(kSignature +
                  (isBlank(who.name) ? QStringLiteral("________________") : who.name.trimmed()));
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
        columns(signatureColumn(QStringLiteral("СОГЛАСОВАНО"), v.agreedBy, v.customer),
                signatureColumn(QStringLiteral("УТВЕРЖДАЮ"), v.approvedBy, v.companyName)),
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
    QStringList systems = v.os;
    if (!isBlank(v.osOther))
        systems.append(v.osOther.trimmed());
    return systems;
}

QString systemsPhrase(const QStringList& systems, const char16_t* one, const char16_t* several) {
    return systems.size() == 1 ? QString::fromUtf16(one) + systems.constFirst()
                               : QString::fromUtf16(several) + systems.join(QLatin1String(", "));
}

// The fixed text as the body of the extended document: headings numbered with a point,
// paragraphs without the blanks before them, list items indented.
class TextBuilder {
public:
    TextBuilder(const DocumentInputs& in) : m_in(in), m_v(in.values), m_systems(systemsOf(m_v)) {}

    Sheet build() {
        const auto elements = documentElements();
        bool inText = false;
        for (const DocElement& e : elements) {
            inText = inText || e.op == DocOp::H1;
            if (inText)
                add(e);
        }
        return {SheetKind::Text, m_blocks};
    }

private:
    void add(const DocElement& e) {
        QString text = QString::fromUtf16(e.text);
        switch (e.op) {
        case DocOp::H1:
        case DocOp::H2:
        case DocOp::H3: {
            static const QRegularExpression number(QStringLiteral("^(\\d+(\\.\\d+)*) "));
            text.replace(number, QStringLiteral("\\1. "));
            m_blocks.append(heading(e.op == DocOp::H1 ? 1 : e.op == DocOp::H2 ? 2 : 3, text));
            m_listOpen = false;
            return;
        }
        default:
            break;
        }
        switch (e.input) {
        case DocInput::None:
            break;
        case DocInput::Title:
            body(QStringLiteral("Наименование программы: «") + m_v.title.trimmed() + u'»');
            return;
        case DocInput::Description:
            m_blocks.append(lines(m_v.description));
            break;
        }
        switch (e.then) {
        case DocExtra::JoinsPrevious:
            m_blocks.last().text += u' ' + text.trimmed();
            return;
        case DocExtra::Functions:
            functions(text);
            return;
        case DocExtra::Hardware:
            if (!m_systems.isEmpty())
                text = systemsPhrase(m_systems, u"3.3.1.4. операционную систему ",
                                     u"3.3.1.4. одну из операционных систем: ") +
                       u';';
            body(text);
            more(QStringLiteral("3.3.2. Дополнительные требования к техническим средствам:"),
                 m_v.hardware);
            return;
        case DocExtra::Database:
            if (!m_systems.isEmpty())
                text = QStringLiteral(
                    "База данных работает под управлением системы управления базами данных, "
                    "работающей в операционных системах, указанных в подразделе 3.4.3. "
                    "Используется много поточный доступ к базе данных. Необходимо обеспечить "
                    "одновременную работу с программой с той же базой данной модулей экспорта "
                    "внешних данных.");
            break;
        case DocExtra::Software:
            if (!m_systems.isEmpty())
                text = QStringLiteral("Системные программные средства, используемые программой, "
                                      "должны быть представлены лицензионной локализованной "
                                      "версией ") +
                       systemsPhrase(m_systems, u"операционной системы ",
                                     u"одной из операционных систем: ") +
                       u'.';
            break;
        case DocExtra::Staff:
            body(text);
            more(QStringLiteral("Дополнительные требования к персоналу:"), m_v.staff);
            return;
        case DocExtra::Introduction:
            introduction();
            return;
        case DocExtra::None:
            break;
        }
        if (e.input == DocInput::None)
            body(text);
    }

    // A paragraph of the fixed text; a line with a list's marker after a line that opens a
    // list (ends with a colon) or after another item is an item of that list.
    void body(const QString& text) {
        static const QRegularExpression marker(QStringLiteral("^([а-яё]\\)|\\d+(\\.\\d+)*\\.) "));
        Block b = paragraph(text.trimmed());
        const bool item = m_listOpen && marker.match(b.text).hasMatch();
        if (item)
            b.level = 1;
        m_listOpen = b.text.endsWith(u':') || item;
        m_blocks.append(b);
    }

    // The user's own text under a line that introduces it, when there is one.
    void more(const QString& intro, const QString& text) {
        const QString filled = filledLines(text);
        if (filled.isEmpty())
            return;
        Block b = paragraph(intro);
        b.keepWithNext = true;
        m_blocks += {b, lines(filled, 1)};
    }

    void introduction() {
        m_blocks.append(heading(2, QStringLiteral("1.3. Основания для разработки")));
        const QString basis = filledLines(m_v.basis);
        if (basis.isEmpty()) {
            m_blocks.append(
                paragraph(QStringLiteral("Основанием для разработки является ") + kBlank + u'.'));
        } else {
            Block b = paragraph(QStringLiteral("Основанием для разработки является:"));
            b.keepWithNext = true;
            m_blocks += {b, lines(basis, 1)};
        }
        m_blocks.append(heading(2, QStringLiteral("1.4. Заказчик и исполнитель")));
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
    void functions(const QString& sentence) {
        if (m_in.functions.isEmpty()) {
            body(QStringLiteral("Программа должна обеспечивать выполнение функций, указанных в "
                                "подразделе 1.2 «Назначение и область применения»."));
            return;
        }
        body(sentence);
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
        m_listOpen = false;
    }

    const DocumentInputs& m_in;
    const ProjectValues& m_v;
    const QStringList m_systems;
    QList<Block> m_blocks;
    bool m_listOpen = false;
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
    model.title = in.values.title;
    model.company = in.values.companyName;
    model.sheets = {approvalSheet(in.values), titleSheet(in), contentsSheet(),
                    TextBuilder(in).build()};
    return model;
}

} // namespace tz
