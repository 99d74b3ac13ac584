#include "docgen/docformat.h"
#include "docgen/documentcontent.h"
#include "docgen/docwriter.h"
#include "docgen/extendedcontent.h"
#include "docgen/htmloutput.h"
#include "docgen/rtfoutput.h"
#include "structure/menutree.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tz;

namespace {

DocBuffer build(int mode, const DocumentInputs& inputs) {
    DocBuffer doc;
    DocMode = mode;
    BuildDocument(doc, inputs);
    DocMode = DocModeNone;
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
    DocBuffer doc;
    EXPECT_EQ(renderDocument(doc, DocFormat::Html, kCalculator), golden.readAll());
    DocMode = DocModeNone;
}

// A tree without items and a company without details add nothing to the usual document.
TEST(Document, ExtendedContentOfAnEmptyProjectLeavesTheReferenceDocument) {
    QFile golden(QStringLiteral(TZ_DOCGEN_TEST_DATA "/calculator.html"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    ProjectValues blank;
    blank.companyURL = QStringLiteral("  ");
    blank.companyInfo = QStringLiteral("\r\n \r\n");
    DocumentInputs inputs = kCalculator;
    inputs.company = companyParagraphs(blank);
    inputs.functions = numberedFunctions(MenuTree());
    DocBuffer doc;
    EXPECT_EQ(renderDocument(doc, DocFormat::Html, inputs), golden.readAll());
    DocMode = DocModeNone;
}

TEST(Document, ExtendedContentFollowsTheProgramNameAndTheFunctionsSentence) {
    MenuTree tree;
    MenuNode* files = tree.addItem(tree.root(), 10000001);
    tree.setCaption(files, QStringLiteral("Файлы <и> папки"));
    MenuNode* open = tree.addItem(files, 10000002);
    tree.setDescription(open, QStringLiteral("Строка 1\r\nСтрока 2"));
    MenuNode* recent = tree.addItem(open, 10000003);
    tree.setCaption(recent, QStringLiteral("Недавние"));
    tree.setDescription(recent, QString());
    tree.setCaption(tree.addItem(tree.root(), 10000004), QStringLiteral("Справка"));
    ProjectValues company;
    company.companyName = QStringLiteral("ООО \"Ромашка\"");
    company.companyEMail = QStringLiteral("a@example.org");
    company.companyInfo = QStringLiteral("Первая\r\n\r\nвторая");
    DocumentInputs inputs = kCalculator;
    inputs.company = companyParagraphs(company);
    inputs.functions = numberedFunctions(tree);

    const QStringList html = build(DocModeHtml, inputs).texts();
    const qsizetype name = html.indexOf(QStringLiteral("Наименование программы: \"Калькулятор\""));
    EXPECT_EQ(html.mid(name + 1, 14),
              (QStringList{"</P>", "<P>", "Правообладатель: ООО &quot;Ромашка&quot;", "</P>", "<P>",
                           "Электронная почта: a@example.org", "</P>", "<P>", "Первая", "</P>",
                           "<P>", "вторая", "</P>", "<H2>"}));
    const qsizetype sentence = html.indexOf(QStringLiteral(
        "Программа должна обеспечивать возможность выполнения перечисленных ниже функций:"));
    EXPECT_EQ(html.mid(sentence + 1, 19),
              (QStringList{"</P>", "<P>", "2.1.1. Файлы &lt;и&gt; папки", "<BR>",
                           "Описание не готово", "</P>", "<P>", "2.1.1.1. Новый пункт меню", "<BR>",
                           "Строка 1\r\nСтрока 2", "</P>", "<P>", "2.1.1.1.1. Недавние", "</P>",
                           "<P>", "2.1.2. Справка", "<BR>", "Описание не готово", "</P>"}));
    EXPECT_EQ(html.at(sentence + 20), QStringLiteral("<H2>"));

    // In rich text every paragraph is body text; the caption's markup stays as typed.
    const DocBuffer rich = build(DocModeRichText, inputs);
    const qsizetype at = rich.texts().indexOf(QStringLiteral("2.1.1. Файлы <и> папки"));
    ASSERT_GT(at, 0);
    EXPECT_EQ(rich.texts().mid(at + 2, 4), (QStringList{"2.1.1.1. Новый пункт меню", "Строка 1",
                                                        "Строка 2", "2.1.1.1.1. Недавние"}));
    EXPECT_EQ(rich.lines().at(at).attributes,
              (TextAttributes{docFontName(), ColourBlack, 12, false}));
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
        DocMode = mode;
        BuildDocument(doc, kCalculator);
        DocMode = DocModeNone;
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
    DocBuffer built;
    const QByteArray bytes =
        renderDocument(built, DocFormat::Html, {{QStringLiteral("Ω"), QStringLiteral("😀")}});
    DocMode = DocModeNone;
    EXPECT_FALSE(bytes.contains('?'));
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
