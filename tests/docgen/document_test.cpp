#include "docgen/docformat.h"
#include "docgen/documentcontent.h"
#include "docgen/docwriter.h"
#include "docgen/extendeddocument.h"
#include "docgen/htmloutput.h"
#include "docgen/rtfoutput.h"

#include <QFile>
#include <QMultiHash>

#include <functional>

#include <gtest/gtest.h>

using namespace tz;

namespace {

DocBuffer build(int mode, const DocumentInputs& inputs) {
    DocBuffer doc;
    BuildDocument(doc, mode, inputs);
    return doc;
}

const DocumentInputs kCalculator{
    {QStringLiteral("Калькулятор"),
     QStringLiteral("Считает суммы и разности.\r\nВедёт журнал вычислений.")},
    QStringLiteral("20260108123456654321")};

// The lines from the one after the body's heading 1.2 on.
QStringList afterPurposeHeading(const DocBuffer& doc, qsizetype count) {
    const QStringList texts = doc.texts();
    return texts.mid(texts.lastIndexOf(QStringLiteral("1.2. Назначение и область применения")) + 1,
                     count);
}

} // namespace

TEST(Document, HtmlMatchesTheReferenceDocument) {
    QFile golden(QStringLiteral(TZ_DOCGEN_TEST_DATA "/calculator.html"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << "tests/docgen/data/calculator.html";
    EXPECT_EQ(documentBytes(DocFormat::Html, kCalculator), golden.readAll());
}

namespace {

// The extended document's paragraphs by where they stand: "ЛУ" and "Титульный лист" for the
// two sheets, otherwise the heading above them (the heading itself under its own name).
QMultiHash<QString, QString> placed(const DocModel& model) {
    const Pagination pages = paginate(model);
    QMultiHash<QString, QString> at;
    for (const Sheet& sheet : model.sheets) {
        QString where = sheet.kind == SheetKind::Approval ? QStringLiteral("ЛУ")
                        : sheet.kind == SheetKind::Title ? QStringLiteral("Титульный лист")
                                                         : QStringLiteral("Содержание");
        for (const Block& b : sheet.blocks) {
            if (b.kind == BlockKind::Heading)
                where = b.text;
            QStringList texts = b.left + b.right;
            if (b.kind == BlockKind::Lines)
                texts = b.text.split(QStringLiteral("\r\n"));
            else if (b.kind != BlockKind::Columns && b.kind != BlockKind::Gap)
                texts.append(paragraphText(b, pages));
            for (const QString& text : texts)
                at.insert(where, text);
        }
    }
    return at;
}

DocumentInputs extendedInputs() {
    DocumentInputs in = kCalculator;
    in.extended = true;
    in.year = 2031;
    return in;
}

struct ContentCase {
    const char* name;
    std::function<void(DocumentInputs&)> change;
    QList<std::pair<QString, QString>> present; // where, paragraph
    QStringList absent;                         // paragraphs found nowhere
};

} // namespace

TEST(ExtendedDocument, EveryValueStandsWhereItBelongs) {
    const QString functionsSentence =
        "Программа должна обеспечивать возможность выполнения перечисленных ниже функций:";
    const QString h21 = "2.1. Требования к функциональным характеристикам";
    const QString h33 = "3.3. Требования к составу и параметрам технических средств";
    const QString h341 = "3.4.1. Требования к информационным структурам и методам решения";
    const QString h343 = "3.4.3. Требования к программным средствам, используемым программой";
    const ContentCase cases[] = {
        {"blank values give lines to fill in",
         [](DocumentInputs&) {},
         {{"ЛУ", "СОГЛАСОВАНО"},
          {"ЛУ", "УТВЕРЖДАЮ"},
          {"ЛУ", "______________________________"},
          {"ЛУ", "________________ ________________"},
          {"ЛУ", "«___» ______________ 20___ г."},
          {"ЛУ", "КАЛЬКУЛЯТОР"},
          {"ЛУ", "ТЕХНИЧЕСКОЕ ЗАДАНИЕ"},
          {"ЛУ", "ЛИСТ УТВЕРЖДЕНИЯ"},
          {"ЛУ", "RU.________._____-__ ТЗ 01-ЛУ"},
          {"Титульный лист", "УТВЕРЖДЕН"},
          {"Титульный лист", "RU.________._____-__ ТЗ 01-ЛУ"},
          {"Титульный лист", "RU.________._____-__ ТЗ 01"},
          {"Титульный лист", "2031"},
          {"1.3. Основания для разработки",
           "Основанием для разработки является ______________________________."},
          {"1.4. Заказчик и исполнитель", "Заказчик: ______________________________"},
          {"1.4. Заказчик и исполнитель", "Исполнитель: ______________________________"},
          {h21, "Программа должна обеспечивать выполнение функций, указанных в подразделе 1.2 "
                "«Назначение и область применения»."},
          {h33, "3.3.1.4. операционную систему Windows 2000 Server или Windows 2003;"},
          {h341, "База данных работает под управлением Microsoft SQL Server. Используется много "
                 "поточный доступ к базе данных. Необходимо обеспечить одновременную работу с "
                 "программой с той же базой данной модулей экспорта внешних данных."}},
         {functionsSentence, "3.3.2. Дополнительные требования к техническим средствам:"}},
        {"every value filled in",
         [](DocumentInputs& in) {
             ProjectValues& v = in.values;
             v.title = QStringLiteral("Склад-Контроль");
             v.companyName = QStringLiteral("ООО «Ромашка»");
             v.companyPhone = QStringLiteral("+7 495 000-00-00");
             v.companyInfo = QStringLiteral("Первая\r\n\r\nвторая");
             v.customer = QStringLiteral("АО «Заказчик»");
             v.agreedPosition = QStringLiteral("Директор АО «Заказчик»");
             v.agreedName = QStringLiteral("И. И. Иванов");
             v.approvedPosition = QStringLiteral("Директор ООО «Ромашка»");
             v.approvedName = QStringLiteral("П. П. Петров");
             v.designation = QStringLiteral("RU.12345678.00001-01");
             v.basis = QStringLiteral("Договор № 7\r\nот 1 марта");
             v.os = QStringLiteral("Windows 11\r\nAstra Linux");
             v.osOther = QStringLiteral("РЕД ОС 7.3");
             v.hardware = QStringLiteral("Сканер штрихкодов");
             v.staff = QStringLiteral("Кладовщик\r\nБухгалтер");
             in.functions = {{"2.1.1.", "Приход", "Строка 1\r\nСтрока 2"},
                             {"2.1.1.1.", "Накладная", ""}};
         },
         {{"ЛУ", "Директор АО «Заказчик»"},
          {"ЛУ", "АО «Заказчик»"},
          {"ЛУ", "________________ И. И. Иванов"},
          {"ЛУ", "Директор ООО «Ромашка»"},
          {"ЛУ", "________________ П. П. Петров"},
          {"ЛУ", "СКЛАД-КОНТРОЛЬ"},
          {"ЛУ", "RU.12345678.00001-01 ТЗ 01-ЛУ"},
          {"Титульный лист", "RU.12345678.00001-01 ТЗ 01"},
          {"1.1. Наименование программы", "Наименование программы: «Склад-Контроль»"},
          {"1.2. Назначение и область применения", "Считает суммы и разности."},
          {"1.2. Назначение и область применения", "Ведёт журнал вычислений."},
          {"1.3. Основания для разработки", "Договор № 7"},
          {"1.3. Основания для разработки", "от 1 марта"},
          {"1.4. Заказчик и исполнитель", "Заказчик: АО «Заказчик»"},
          {"1.4. Заказчик и исполнитель", "Исполнитель: ООО «Ромашка»"},
          {"1.4. Заказчик и исполнитель", "Телефон: +7 495 000-00-00"},
          {"1.4. Заказчик и исполнитель", "вторая"},
          {h21, functionsSentence},
          {h21, "2.1.1. Приход"},
          {h21, "Строка 1"},
          {h21, "Строка 2"},
          {h21, "2.1.1.1. Накладная"},
          {"3.2. Требования к квалификации и численности персонала", "Бухгалтер"},
          {h33, "3.3.1.4. одну из операционных систем: Windows 11, Astra Linux, РЕД ОС 7.3;"},
          {h33, "Сканер штрихкодов"},
          {h343, "Системные программные средства, используемые программой, должны быть "
                 "представлены лицензионной локализованной версией одной из операционных систем: "
                 "Windows 11, Astra Linux, РЕД ОС 7.3."}},
         {"Правообладатель: ООО «Ромашка»", "______________________________"}},
        {"one other system and nothing ticked",
         [](DocumentInputs& in) { in.values.osOther = QStringLiteral("Альт Линукс"); },
         {{h33, "3.3.1.4. операционную систему Альт Линукс;"},
          {h343, "Системные программные средства, используемые программой, должны быть "
                 "представлены лицензионной локализованной версией операционной системы Альт "
                 "Линукс."}},
         {}},
    };
    for (const ContentCase& c : cases) {
        DocumentInputs in = extendedInputs();
        c.change(in);
        const DocModel model = extendedDocument(in);
        const QMultiHash<QString, QString> at = placed(model);
        for (const auto& [where, text] : c.present)
            EXPECT_TRUE(at.values(where).contains(text))
                << c.name << ": " << qPrintable(where) << " / " << qPrintable(text);
        const QStringList all = at.values();
        for (const QString& text : c.absent)
            EXPECT_FALSE(all.contains(text)) << c.name << ": " << qPrintable(text);
        if (!in.values.os.isEmpty()) {
            for (const QString& text : all)
                EXPECT_FALSE(text.contains(QStringLiteral("Windows 2000")) ||
                             text.contains(QStringLiteral("Microsoft SQL")))
                    << c.name << ": " << qPrintable(text);
        }
        // The title sheet counts the sheets but the approval sheet; the contents list the
        // text's headings, in order, with the page each stands on.
        class Pages : public PageSink {
        public:
            QList<int> shown;
            void beginPage(int number) override { shown.append(number); }
            void line(const LaidLine&) override {}
        } laid;
        const Pagination pages = paginate(model, {}, &laid);
        EXPECT_EQ(laid.shown.mid(0, 4), (QList<int>{0, 0, 2, 3})) << c.name;
        EXPECT_EQ(pages.sheets, laid.shown.size() - 1) << c.name;
        EXPECT_TRUE(at.values(QStringLiteral("Титульный лист"))
                        .contains(QStringLiteral("Листов %1").arg(pages.sheets)))
            << c.name;
        const QList<const Block*> headings = headingsOf(model);
        ASSERT_EQ(pages.headingPages.size(), headings.size());
        EXPECT_EQ(headings.constFirst()->text, QStringLiteral("1. Введение"));
        EXPECT_EQ(pages.headingPages.constFirst(), 3) << c.name;
        EXPECT_TRUE(std::is_sorted(pages.headingPages.begin(), pages.headingPages.end()));
    }
}

TEST(Document, EmptyTitlePurposeAndIdentifier) {
    const DocBuffer rich = build(DocModeRichText, {});
    EXPECT_EQ(rich.lines().at(0).text, QStringLiteral("Техническое задание к программе \"\""));
    EXPECT_TRUE(rich.texts().contains(QStringLiteral("Наименование программы: \"\"")));
    // After the heading's closing empty line: one empty 12-point line, then heading 2.
    const qsizetype at =
        rich.texts().lastIndexOf(QStringLiteral("1.2. Назначение и область применения"));
    EXPECT_EQ(rich.lines().at(at + 2).text, QString());
    EXPECT_EQ(rich.lines().at(at + 2).attributes.sizePt, 12);
    EXPECT_EQ(rich.lines().at(at + 4).text, QStringLiteral("2. Требования к программе"));

    const DocBuffer html = build(DocModeHtml, {});
    EXPECT_EQ(html.lines().at(3).text, QStringLiteral("<META NAME=\"TZ\" CONTENT=\"\">"));
    EXPECT_EQ(afterPurposeHeading(html, 5),
              (QStringList{"</H2>", "<P>", QString(), "</P>", "<H1>"}));
}

TEST(Document, SeveralPurposeLinesAreOneElement) {
    DocumentInputs inputs = kCalculator;
    inputs.values.description = QStringLiteral("раз\r\nдва <b>\r\n\r\nчетыре");
    EXPECT_EQ(afterPurposeHeading(build(DocModeHtml, inputs), 4),
              (QStringList{"</H2>", "<P>", QStringLiteral("раз\r\nдва &lt;b&gt;\r\n\r\nчетыре"),
                           "</P>"}));
    const DocBuffer rich = build(DocModeRichText, inputs);
    const qsizetype first = rich.texts().indexOf(QStringLiteral("раз"));
    EXPECT_EQ(rich.texts().mid(first, 5),
              (QStringList{"раз", "два <b>", QString(), "четыре", QString()}));
    EXPECT_EQ(rich.lines().at(first + 3).attributes.sizePt, 12);
    EXPECT_EQ(rich.lines().at(first + 4).attributes.sizePt, 20);
}

TEST(Document, SecondBuildStartsFromAnEmptyBuffer) {
    DocBuffer doc;
    const auto buildInto = [&doc](int mode) {
        BuildDocument(doc, mode, kCalculator);
        return doc;
    };
    const QStringList html = buildInto(DocModeHtml).texts();
    const QList<DocLine> rich = buildInto(DocModeRichText).lines();
    EXPECT_EQ(buildInto(DocModeRichText).lines(), rich);
    // The attributes of HTML lines mean nothing; their texts must repeat.
    EXPECT_EQ(buildInto(DocModeHtml).texts(), html);
}

TEST(HtmlOutput, CrLfAfterEveryLineAndReferencesForWhatTheCodePageLacks) {
    DocBuffer doc;
    doc.append(QStringLiteral("<HTML>"));
    doc.append(QString());
    doc.append(QStringLiteral("а\nб\rв\r\nг"));
    EXPECT_EQ(htmlBytes(doc), QByteArray("<HTML>\r\n\r\n\xe0\r\n\xe1\r\n\xe2\r\n\xe3\r\n"));

    EXPECT_EQ(escapeHtmlText(QStringLiteral("a&b<c>d\"e'f Ω€ё😀\r\n")),
              QStringLiteral("a&amp;b&lt;c&gt;d&quot;e'f &#937;€ё&#128512;\r\n"));
    EXPECT_EQ(escapeHtmlText(QString(QChar(0xD800))), QStringLiteral("&#65533;"));
    const QByteArray bytes =
        documentBytes(DocFormat::Html, {{QStringLiteral("Ω"), QStringLiteral("😀")}});
    EXPECT_FALSE(bytes.contains('?'));
}

TEST(HtmlOutput, ControlCharactersLeaveTheExtendedHtmlOnly) {
    // The default document's bytes stay as they always were; the extended one is HTML5,
    // which holds no C0 control character but tab, CR and LF.
    for (const bool extended : {false, true}) {
        DocumentInputs inputs = extended ? extendedInputs() : kCalculator;
        inputs.values.title = QStringLiteral("Склад\x01\tучёт");
        inputs.values.description = QStringLiteral("Первая\x0bстрока\x1f");
        const QByteArray html = documentBytes(DocFormat::Html, inputs);
        for (const char control : {'\x01', '\x0b', '\x1f'})
            EXPECT_EQ(html.contains(control), !extended) << extended << " " << int(control);
        EXPECT_TRUE(html.contains("\t\xf3\xf7\xb8\xf2")) << "the tab stays; " << extended;
    }
}

TEST(RtfOutput, EveryByteIsSevenBitAndEscaped) {
    DocBuffer doc;
    doc.current = {QStringLiteral("Times New Roman"), ColourBlack, 12, false};
    doc.append(QStringLiteral("Яб \\ {x}   Ω😀\tё"));
    const QByteArray rtf = rtfBytes(doc);
    for (const char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset204 Times New Roman;}}"));
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red0\\green0\\blue0;}"));
    EXPECT_TRUE(rtf.contains("\\pard\\f0\\cf1\\fs24\\b0 \\'df\\'e1 \\\\ \\{x\\} {} {} "
                             "\\u937?\\u-10179?\\u-8704?\\tab \\'b8\\par"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
}
