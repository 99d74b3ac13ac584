#include "docgen/docformat.h"
#include "docgen/documentcontent.h"
#include "docgen/docwriter.h"
#include "docgen/htmloutput.h"
#include "docgen/rtfoutput.h"
#include "project/codec1251.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tz;

namespace {

QByteArray render(DocFormat format, const DocumentInputs& inputs, DocBuffer* out = nullptr) {
    DocBuffer doc;
    const QByteArray bytes = renderDocument(doc, format, inputs);
    DocMode = DocModeNone;
    if (out)
        *out = doc;
    return bytes;
}

DocBuffer build(int mode, const DocumentInputs& inputs) {
    DocBuffer doc;
    DocMode = mode;
    BuildDocument(doc, inputs);
    DocMode = DocModeNone;
    return doc;
}

const DocumentInputs kCalculator{
    QStringLiteral("Калькулятор"),
    QStringLiteral("Считает суммы и разности.\r\nВедёт журнал вычислений."),
    QStringLiteral("20260108123456654321")};

QByteArray testData(const char* name) {
    QFile file(QStringLiteral(TZ_DOCGEN_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Position of the first line equal to the text, or -1.
qsizetype lineOf(const DocBuffer& doc, const QString& text) {
    return doc.texts().indexOf(text);
}

} // namespace

TEST(Document, HtmlMatchesTheReferenceDocument) {
    const QByteArray golden = testData("calculator.html");
    ASSERT_FALSE(golden.isEmpty()) << "tests/docgen/data/calculator.html not found";
    EXPECT_EQ(render(DocFormat::Html, kCalculator), golden);
}

TEST(Document, TableOfContentsHasThirtyLinesWithoutSubItems) {
    const DocBuffer doc = build(DocModeRichText, kCalculator);
    const qsizetype first = lineOf(doc, QStringLiteral("1. Введение"));
    const qsizetype last = lineOf(doc, QStringLiteral("7.2. Общие требования к приемке работы"));
    ASSERT_GE(first, 0);
    EXPECT_EQ(last - first + 1, 30);
    const QStringList contents = doc.texts().mid(first, 30);
    EXPECT_TRUE(contents.contains(
        QStringLiteral("2.2.1. Требования к обеспечению надежного функционирования программы")));
    EXPECT_TRUE(
        contents.contains(QStringLiteral("3.4.4. Требования к защите информации и программ")));
    for (const QString& line : contents) {
        EXPECT_FALSE(line.startsWith(QLatin1String("3.3.1")) ||
                     line.startsWith(QLatin1String("4.1.1")))
            << line.toStdString();
    }
    // The body heading of 2.2.1 has no point after its number.
    EXPECT_GE(
        lineOf(doc, QStringLiteral(
                        "2.2.1 Требования к обеспечению надежного функционирования программы")),
        0);
    // Three empty 12-point lines close the contents, then "1. Введение" at 20 points.
    for (qsizetype i = last + 1; i <= last + 3; ++i)
        EXPECT_EQ(doc.lines().at(i), (DocLine{QString(), doc.lines().at(first).attributes}));
    EXPECT_EQ(doc.lines().at(last + 5).text, QStringLiteral("1. Введение"));
    EXPECT_EQ(doc.lines().at(last + 5).attributes.sizePt, 20);
}

TEST(Document, EmptyTitleAndDescription) {
    const DocumentInputs empty;
    const DocBuffer rich = build(DocModeRichText, empty);
    EXPECT_EQ(rich.lines().at(0).text, QStringLiteral("Техническое задание к программе \"\""));
    const qsizetype name = lineOf(rich, QStringLiteral("Наименование программы: \"\""));
    ASSERT_GE(name, 0);
    // Heading 1.2 (empty line, text, empty line), then the description: one empty line.
    EXPECT_EQ(rich.lines().at(name + 2).text,
              QStringLiteral("1.2. Назначение и область применения"));
    EXPECT_EQ(rich.lines().at(name + 4), (DocLine{QString(), rich.lines().at(name).attributes}));
    EXPECT_EQ(rich.lines().at(name + 6).text, QStringLiteral("2. Требования к программе"));

    const DocBuffer html = build(DocModeHtml, empty);
    const qsizetype heading =
        html.texts().lastIndexOf(QStringLiteral("1.2. Назначение и область применения"));
    EXPECT_EQ(html.texts().mid(heading + 1, 5),
              (QStringList{"</H2>", "<P>", QString(), "</P>", "<H1>"}));
}

TEST(Document, SeveralDescriptionLinesAreOneElement) {
    DocumentInputs inputs = kCalculator;
    inputs.description = QStringLiteral("раз\r\nдва <b>\r\n\r\nчетыре");
    const DocBuffer html = build(DocModeHtml, inputs);
    const qsizetype at = lineOf(html, QStringLiteral("раз\r\nдва &lt;b&gt;\r\n\r\nчетыре"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(html.lines().at(at - 1).text, QStringLiteral("<P>"));
    EXPECT_EQ(html.lines().at(at + 1).text, QStringLiteral("</P>"));

    const DocBuffer rich = build(DocModeRichText, inputs);
    const qsizetype first = lineOf(rich, QStringLiteral("раз"));
    ASSERT_GE(first, 0);
    EXPECT_EQ(rich.texts().mid(first, 4), (QStringList{"раз", "два <b>", QString(), "четыре"}));
    for (qsizetype i = first; i < first + 4; ++i)
        EXPECT_EQ(rich.lines().at(i).attributes.sizePt, 12);
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

TEST(Document, FixedTextsAreWrittenAsTheyStand) {
    const DocBuffer html = build(DocModeHtml, kCalculator);
    // The head's own quotes stay quotes.
    EXPECT_GE(lineOf(html, QStringLiteral("<META NAME=\"TZ\" CONTENT=\"20260108123456654321\">")),
              0);
    // "IВМ": a Latin I before Cyrillic letters.
    const QString hardware = html.texts().filter(QStringLiteral("ВМ-совместимый")).value(0);
    EXPECT_TRUE(hardware.contains(QStringLiteral("входить I\u0412\u041c-совместимый")));
    for (const DocElement& element : documentElements())
        EXPECT_TRUE(encode1251(QString::fromUtf16(element.text)).unencodable.isEmpty());
}

TEST(HtmlOutput, EveryLineAndLineBreakEndsWithCrLf) {
    DocBuffer doc;
    doc.append(QStringLiteral("<HTML>"));
    doc.append(QString());
    doc.append(QStringLiteral("а\nб\rв\r\nг"));
    EXPECT_EQ(htmlBytes(doc), QByteArray("<HTML>\r\n\r\n\xe0\r\n\xe1\r\n\xe2\r\n\xe3\r\n"));
}

TEST(HtmlOutput, EscapesMarkupAndCharactersOutsideTheCodePage) {
    EXPECT_EQ(escapeHtmlText(QStringLiteral("a&b<c>d\"e'f")),
              QStringLiteral("a&amp;b&lt;c&gt;d&quot;e'f"));
    EXPECT_EQ(escapeHtmlText(QStringLiteral("Ω€ё😀\r\n")), QStringLiteral("&#937;€ё&#128512;\r\n"));
    EXPECT_EQ(escapeHtmlText(QString(QChar(0xD800))), QStringLiteral("&#65533;"));
    // In the saved file nothing is lost to "?".
    const QByteArray bytes =
        render(DocFormat::Html, {QStringLiteral("Ω"), QStringLiteral("😀"), {}});
    EXPECT_FALSE(bytes.contains('?'));
    EXPECT_TRUE(bytes.contains("&#937;") && bytes.contains("&#128512;"));
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

TEST(RtfOutput, OneParagraphPerLineWithItsAttributes) {
    DocBuffer doc = build(DocModeRichText, kCalculator);
    const QByteArray rtf = rtfBytes(doc);
    EXPECT_EQ(rtf.count("\\par\r\n"), doc.lines().size());
    EXPECT_TRUE(rtf.contains("\\pard\\f0\\cf1\\fs40\\b \\'d2"));
    EXPECT_EQ(rtf.count("\\b "), 4);
}

TEST(RtfOutput, DocIsTheSameBytesAsRtf) {
    EXPECT_EQ(render(DocFormat::Doc, kCalculator), render(DocFormat::Rtf, kCalculator));
    EXPECT_EQ(docFilter(DocFormat::Doc), QStringLiteral("Документы doc|*.doc|Все файлы (*.*)|*.*"));
}
