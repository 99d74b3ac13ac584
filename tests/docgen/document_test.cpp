#include "docgen/docformat.h"
#include "docgen/documentcontent.h"
#include "docgen/docwriter.h"
#include "docgen/extendeddocument.h"
#include "docgen/extendedoutline.h"
#include "docgen/htmloutput.h"
#include "docgen/rtfoutput.h"
#include "project/sectiontexts.h"
#include "project/standardlists.h"

#include <QFile>
#include <QMultiHash>
#include <QRegularExpression>

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
                where = QString(b.text).replace(QChar(0x00A0), u' ');
            QStringList texts = b.left + b.right;
            if (b.kind == BlockKind::Lines)
                texts = b.text.split(QStringLiteral("\r\n"));
            else if (b.kind != BlockKind::Columns && b.kind != BlockKind::Gap)
                texts.append(paragraphText(b, pages));
            for (const QStringList& row : b.rows)
                texts += row;
            // Compared as typed: the typography's no-break spaces as plain ones.
            for (QString text : texts)
                at.insert(where, text.replace(QChar(0x00A0), u' '));
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

// The document's pages as laid out: the title sheet counts the sheets but the approval
// sheet; the contents list the text's headings, in order, with the page each stands on.
void expectPagesAgree(const DocModel& model, const char* name) {
    class Pages : public PageSink {
    public:
        QList<int> shown;
        void beginPage(int number) override { shown.append(number); }
        void line(const LaidLine&) override {}
    } laid;
    const Pagination pages = paginate(model, {}, &laid);
    EXPECT_EQ(laid.shown.mid(0, 4), (QList<int>{0, 0, 2, 3})) << name;
    EXPECT_EQ(pages.sheets, laid.shown.size() - 1) << name;
    EXPECT_TRUE(placed(model)
                    .values(QStringLiteral("Титульный лист"))
                    .contains(QStringLiteral("Листов %1").arg(pages.sheets)))
        << name;
    const QList<const Block*> headings = headingsOf(model);
    ASSERT_EQ(pages.headingPages.size(), headings.size());
    EXPECT_EQ(headings.constFirst()->text, QStringLiteral("1. Введение"));
    EXPECT_EQ(pages.headingPages.constFirst(), 3) << name;
    EXPECT_TRUE(std::is_sorted(pages.headingPages.begin(), pages.headingPages.end()));
}

void expectContent(const ContentCase& c, const DocumentInputs& in) {
    const DocModel model = extendedDocument(in);
    const QMultiHash<QString, QString> at = placed(model);
    for (const auto& [where, text] : c.present)
        EXPECT_TRUE(at.values(where).contains(text))
            << c.name << ": " << qPrintable(where) << " / " << qPrintable(text);
    const QStringList all = at.values();
    for (const QString& text : c.absent)
        EXPECT_FALSE(all.contains(text)) << c.name << ": " << qPrintable(text);
    // Nothing dates the document, whatever the user left out.
    for (const QString& text : all) {
        for (const char* dated : {"Pentium", "Мбайт", "Windows 2000", "Windows 2003", "SQL Server"})
            EXPECT_FALSE(text.contains(QString::fromUtf8(dated)))
                << c.name << ": " << qPrintable(text);
    }
    expectPagesAgree(model, c.name);
}

} // namespace

TEST(ExtendedDocument, EveryValueStandsWhereItBelongs) {
    const QString h14 = "1.4. Заказчик и исполнитель";
    const QString h21 = "2.1. Требования к функциональным характеристикам";
    const QString h33 = "3.3. Требования к составу и параметрам технических средств";
    const QString h341 = "3.4.1. Требования к информационным структурам и методам решения";
    const QString h343 = "3.4.3. Требования к программным средствам, используемым программой";
    const QString h41 = "4.1. Предварительный состав программной документации";
    const QString h61 = "6.1. Стадии разработки";
    const QString functions = "Программа должна выполнять перечисленные ниже функции:";
    const ContentCase cases[] = {
        {"blank values give lines to fill in",
         [](DocumentInputs&) {},
         {{"ЛУ", "СОГЛАСОВАНО"},
          {"ЛУ", "УТВЕРЖДАЮ"},
          {"ЛУ", "______________________________"},
          {"ЛУ", "________________ ________________"},
          {"ЛУ", "«___» ______________ 20___ г."},
          {"ЛУ", "КАЛЬКУЛЯТОР"},
          {"ЛУ", "ЛИСТ УТВЕРЖДЕНИЯ"},
          {"ЛУ", "RU.________._____-__ ТЗ 01-ЛУ"},
          {"Титульный лист", "УТВЕРЖДЕН"},
          {"Титульный лист", "RU.________._____-__ ТЗ 01"},
          {"Титульный лист", "2031"},
          {"1.1. Наименование программы", "Наименование программы: «Калькулятор»."},
          {"1.3. Основания для разработки",
           "Основанием для разработки является ______________________________."},
          {h14, "Заказчик: ______________________________."},
          {h14, "Исполнитель: ______________________________."},
          {h21, "Программа должна выполнять функции, указанные в подразделе 1.2 «Назначение и "
                "область применения»."},
          {h33, "В состав технических средств должен входить персональный компьютер со "
                "следующими характеристиками:"},
          {h33, "а) процессор — ______;"},
          {h33, "в) свободное место на диске — не менее ______ ГБ."},
          {h341, "Требования к информационным структурам и методам решения не предъявляются."},
          {h343, "Программа должна работать под управлением лицензионной операционной системы "
                 "______."},
          {h41, "Программная документация не разрабатывается."},
          {h61, "Стадии и этапы разработки определяются по согласованию Заказчика и "
                "Исполнителя."}},
         {functions}},
        {"every value filled in",
         [](DocumentInputs& in) {
             ProjectValues& v = in.values;
             v.title = QStringLiteral("Склад-Контроль");
             v.companyName = QStringLiteral("ООО «Ромашка»");
             v.companyPhone = QStringLiteral("+7 495 000-00-00");
             v.companyInfo = QStringLiteral("Первая\r\n\r\nвторая");
             v.customer = QStringLiteral("АО «Заказчик»");
             v.executor = QStringLiteral("ООО \"Разработчик\"");
             v.agreedPosition = QStringLiteral("Директор АО «Заказчик»");
             v.agreedName = QStringLiteral("И. И. Иванов");
             v.approvedPosition = QStringLiteral("Директор");
             v.approvedName = QStringLiteral("П. П. Петров");
             v.designation = QStringLiteral("RU.12345678.00001-01");
             v.basis = QStringLiteral("Договор № 7\r\nот 1 марта");
             v.os = QStringLiteral("Windows 11\r\nAstra Linux");
             v.osOther = QStringLiteral("РЕД ОС 7.3");
             v.hardware = QStringLiteral("Сканер штрихкодов");
             v.staff = QStringLiteral("Кладовщик\r\nБухгалтер");
             v.database = QStringLiteral("PostgreSQL 16");
             v.documents = QStringLiteral("Техническое задание\r\nРуководство оператора");
             v.stages = QStringLiteral("Техническое задание\t01.03.2027\r\nВнедрение\t");
             in.functions = {{"2.1.1.", "Приход", "Строка 1\r\nСтрока 2"},
                             {"2.1.1.1.", "Накладная", ""}};
         },
         {{"ЛУ", "Директор АО «Заказчик»"},
          {"ЛУ", "АО «Заказчик»"},
          {"ЛУ", "________________ И. И. Иванов"},
          {"ЛУ", "ООО «Разработчик»"},
          {"ЛУ", "________________ П. П. Петров"},
          {"ЛУ", "СКЛАД-КОНТРОЛЬ"},
          {"ЛУ", "RU.12345678.00001-01 ТЗ 01-ЛУ"},
          {"Титульный лист", "RU.12345678.00001-01 ТЗ 01"},
          {"1.1. Наименование программы", "Наименование программы: «Склад-Контроль»."},
          {"1.2. Назначение и область применения", "Ведёт журнал вычислений."},
          {"1.3. Основания для разработки", "Основанием для разработки является:"},
          {"1.3. Основания для разработки", "Договор № 7"},
          {h14, "Заказчик: АО «Заказчик»."},
          {h14, "Исполнитель: ООО «Разработчик»."},
          {h14, "Правообладатель: ООО «Ромашка»; телефон +7 495 000-00-00."},
          {h14, "вторая"},
          {h21, functions},
          {h21, "2.1.1. Приход"},
          {h21, "Строка 2"},
          {h21, "2.1.1.1. Накладная"},
          {"3.2. Требования к квалификации и численности персонала", "Бухгалтер"},
          {h33, "Сканер штрихкодов"},
          {h341, "Данные программы должны храниться в базе данных под управлением СУБД "
                 "PostgreSQL 16. Резервное копирование базы данных должно выполняться не реже "
                 "одного раза в сутки; резервные копии должны храниться не менее ______ дней."},
          {h343, "Программа должна работать под управлением одной из лицензионных операционных "
                 "систем: Windows 11, Astra Linux, РЕД ОС 7.3."},
          {h343, "Для хранения данных используется СУБД PostgreSQL 16."},
          {h41, "В состав программной документации должны входить:"},
          {h41, "а) техническое задание;"},
          {h41, "б) руководство оператора."},
          {h61, "Таблица 1 — Стадии и этапы разработки"},
          {h61, "01.03.2027"},
          {"6.2. Содержание работ по стадиям",
           "На стадии «Внедрение» должны быть выполнены следующие работы: подготовка и передача "
           "программы и программной документации для эксплуатации на объектах Заказчика."}},
         {"Правообладатель: ООО «Ромашка»", "а) процессор — ______;",
          "Требования к информационным структурам и методам решения не предъявляются.",
          "Программная документация не разрабатывается."}},
        {"one other system and nothing ticked",
         [](DocumentInputs& in) { in.values.osOther = QStringLiteral("Альт Линукс"); },
         {{h343, "Программа должна работать под управлением лицензионной операционной системы "
                 "Альт Линукс."}},
         {}},
        {"a section the user wrote",
         [](DocumentInputs& in) {
             in.values.sections = sectionsValue(
                 {{QStringLiteral("Специальные требования"),
                   QStringLiteral("Программа работает без Интернета.\r\n\r\nа) первый пункт")}});
         },
         {{"3.7. Специальные требования", "Программа работает без Интернета."},
          {"3.7. Специальные требования", "а) первый пункт"}},
         {"Специальные требования не предъявляются."}},
    };
    for (const ContentCase& c : cases) {
        DocumentInputs in = extendedInputs();
        c.change(in);
        expectContent(c, in);
    }
}

// The program's type shapes what the requirements ask: each type's own paragraphs stand in
// the document and no other type's.
TEST(ExtendedDocument, EachProgramTypeHasItsOwnRequirements) {
    const QString web =
        "Клиентская часть программы должна работать в веб-браузерах ______ двух последних версий.";
    const QString webServer = "В состав технических средств должны входить сервер, на котором "
                              "работает программа, и рабочие места пользователей (клиенты) с "
                              "веб-браузером. Сервер должен иметь следующие характеристики:";
    const QString https = "Доступ к программе должен предоставляться после проверки имени и "
                          "пароля пользователя. Обмен данными между клиентом и сервером должен "
                          "вестись по защищенному протоколу HTTPS.";
    const QString driver = "Ошибка в работе программы или отказ устройства не должны приводить к "
                           "аварийной остановке операционной системы.";
    const QString devices = "В состав технических средств должны входить устройства, с которыми "
                            "работает программа: ______, и компьютер со следующими "
                            "характеристиками:";
    const QString service = "Программа должна работать как служба (сервис) операционной системы: "
                            "запускаться при загрузке операционной системы без входа пользователя "
                            "в систему и записывать сведения о своей работе и об ошибках в журнал.";
    const QString restart =
        "После аварийного завершения служба должна перезапускаться автоматически, без участия "
        "пользователя.";
    const QString computer =
        "В состав технических средств должен входить персональный компьютер со следующими "
        "характеристиками:";
    const QString database = "Для хранения данных используется СУБД SQLite.";
    const QString noProtection = "Требования к защите информации и программ не предъявляются.";
    const QStringList own[] = {{computer, database, noProtection},
                               {web, webServer, https},
                               {driver, devices, noProtection},
                               {service, restart, noProtection},
                               {computer, noProtection}};
    const QStringList every{web,     webServer, https,    driver,   devices,
                            service, restart,   computer, database, noProtection};
    for (const ProgramTypeRow& type : programTypes()) {
        DocumentInputs in = extendedInputs();
        in.values.programType = type.caption.toString();
        // A database is the typical program's only.
        in.values.database = QStringLiteral("SQLite");
        const QStringList expected = own[int(type.type)];
        ContentCase c{"", {}, {}, {}};
        const QByteArray name = type.caption.toUtf8();
        c.name = name.constData();
        for (const QString& text : every) {
            if (expected.contains(text))
                c.present.append({QString(), text});
            else
                c.absent.append(text);
        }
        const QMultiHash<QString, QString> at = placed(extendedDocument(in));
        const QStringList all = at.values();
        for (const auto& [where, text] : c.present)
            EXPECT_TRUE(all.contains(text)) << c.name << ": " << qPrintable(text);
        for (const QString& text : c.absent)
            EXPECT_FALSE(all.contains(text)) << c.name << ": " << qPrintable(text);
    }
}

// The fixed text as an editor reads it: no Latin letter inside a Cyrillic word, none of the
// misspellings that once stood there, a capital at each paragraph's start and its full stop
// or colon at the end.
TEST(ExtendedDocument, TheFixedTextIsCorrect) {
    const QRegularExpression mixed(QStringLiteral("[А-Яа-яЁё][A-Za-z]|[A-Za-z][А-Яа-яЁё]"));
    const QStringList misspelled{"некоректн",
                                 "эксплутат",
                                 "предьявля",
                                 "много поточн",
                                 "-ти минут",
                                 "ГОСТ 51188",
                                 "базой данной",
                                 "этап разработки подготовка",
                                 "утверждение и методик",
                                 "не рассчитываются"};
    QStringList texts;
    for (const OutlineRow& row : extendedOutline())
        texts.append(row.text.toString());
    for (const StageRow& stage : developmentStages())
        texts += {stage.name.toString(), stage.steps.toString(), stage.works.toString()};
    for (const QStringView document : programDocuments())
        texts.append(document.toString());
    for (const QString& text : texts) {
        EXPECT_FALSE(mixed.match(text).hasMatch()) << qPrintable(text);
        for (const QString& wrong : misspelled)
            EXPECT_FALSE(text.contains(wrong)) << qPrintable(text);
    }
    for (const OutlineRow& row : extendedOutline()) {
        if (row.level > 0 || row.item || row.text.isEmpty())
            continue;
        EXPECT_TRUE(row.text.front().isUpper()) << qPrintable(row.text.toString());
        EXPECT_TRUE(row.text.endsWith(u'.') || row.text.endsWith(u':'))
            << qPrintable(row.text.toString());
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
