#include "docgen/docwriter.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tz;

namespace {

// Sets DocMode for one test and puts back the start value afterwards.
class Mode {
public:
    explicit Mode(int mode) { DocMode = mode; }
    ~Mode() { DocMode = DocModeNone; }
};

using Operation = std::function<void(DocWriter&, const QString&)>;

struct OperationCase {
    const char* name;
    Operation call;
    QStringList html; // "%" stands for the text
    int richSizePt;
    int richEmptyLines; // lines around the text in rich text, on each side
};

const OperationCase kOperations[] = {
    {"AddH1", &DocWriter::AddH1, {"<H1>", "%", "</H1>"}, 20, 1},
    {"AddH2", &DocWriter::AddH2, {"<H2>", "%", "</H2>"}, 18, 1},
    {"AddH3", &DocWriter::AddH3, {"<H3>", "%", "</H3>"}, 16, 1},
    {"AddLine", &DocWriter::AddLine, {"%", "<BR>"}, 12, 0},
    {"AddParaStart", &DocWriter::AddParaStart, {"<P>", "%", "<BR>"}, 12, 0},
    {"AddParaEnd", &DocWriter::AddParaEnd, {"%", "</P>"}, 12, 0},
    {"AddPara", &DocWriter::AddPara, {"<P>", "%", "</P>"}, 12, 0},
};

QStringList expand(const QStringList& pattern, const QString& text) {
    QStringList out;
    for (const QString& line : pattern)
        out.append(line == u"%" ? text : line);
    return out;
}

TextAttributes attributes(int sizePt, bool bold = false) {
    return {QStringLiteral("Times New Roman"), ColourBlack, sizePt, bold};
}

} // namespace

TEST(DocWriter, WritesNothingOutsideTheTwoModes) {
    for (const int mode : {DocModeNone, 3, -1}) {
        Mode m(mode);
        DocBuffer doc;
        doc.append(QStringLiteral("earlier"));
        DocWriter writer(doc);
        writer.AddHeader(QStringLiteral("Т"), QStringLiteral("1"));
        for (const OperationCase& op : kOperations)
            op.call(writer, QStringLiteral("текст"));
        EXPECT_EQ(doc.texts(), QStringList{QStringLiteral("earlier")}) << "mode " << mode;
    }
}

TEST(DocWriter, HtmlOperationsPutEveryTagOnALineOfItsOwn) {
    Mode m(DocModeHtml);
    for (const QString& text : {QString(), QStringLiteral("Строка <b>&amp;</b> \"как есть\"")}) {
        for (const OperationCase& op : kOperations) {
            DocBuffer doc;
            DocWriter writer(doc);
            op.call(writer, text);
            EXPECT_EQ(doc.texts(), expand(op.html, text)) << op.name;
        }
    }
    // A text with line breaks stays one line of source between the element's tags.
    DocBuffer doc;
    DocWriter(doc).AddPara(QStringLiteral("один\r\nдва"));
    EXPECT_EQ(doc.texts(), (QStringList{"<P>", QStringLiteral("один\r\nдва"), "</P>"}));
}

TEST(DocWriter, RichTextOperationsSetTheirAttributesAndSplitLines) {
    Mode m(DocModeRichText);
    for (const OperationCase& op : kOperations) {
        for (const QString& text : {QString(), QStringLiteral("раз\r\nдва\nтри")}) {
            DocBuffer doc;
            doc.current = {QStringLiteral("Arial"), 0xff0000, 7, false};
            DocWriter writer(doc);
            op.call(writer, text);
            QStringList expected =
                text.isEmpty() ? QStringList{QString()} : QStringList{"раз", "два", "три"};
            for (int i = 0; i < op.richEmptyLines; ++i) {
                expected.prepend(QString());
                expected.append(QString());
            }
            EXPECT_EQ(doc.texts(), expected) << op.name;
            for (const DocLine& line : doc.lines())
                EXPECT_EQ(line.attributes, attributes(op.richSizePt)) << op.name;
        }
    }
}

TEST(DocWriter, HtmlHeaderHasElevenLines) {
    Mode m(DocModeHtml);
    DocBuffer doc;
    DocWriter(doc).AddHeader(QStringLiteral("Учёт"), QString());
    EXPECT_EQ(
        doc.texts(),
        (QStringList{"<HTML>", "<HEAD>",
                     "<META HTTP-EQUIV=Content-Type CONTENT=\"text/html; charset=windows-1251\">",
                     "<META NAME=\"TZ\" CONTENT=\"\">",
                     "<META NAME=\"generator\" CONTENT=\"http://www.example.org\">",
                     QStringLiteral("<TITLE>Техническое задание к программе \"Учёт\"</TITLE>"),
                     "</HEAD>", "<body>", "<P><BR><BR></P>",
                     QStringLiteral("<H1>Техническое задание к программе \"Учёт\"</H1>"),
                     "<P><BR><BR></P>"}));
}

TEST(DocWriter, HtmlHeaderEscapesTheUsersTexts) {
    Mode m(DocModeHtml);
    DocBuffer doc;
    DocWriter(doc).AddHeader(QStringLiteral("Калькулятор <Про> & \"Ко\" Ω 😀"),
                             QStringLiteral("1\"><script>"));
    const QString title =
        QStringLiteral("Калькулятор &lt;Про&gt; &amp; &quot;Ко&quot; &#937; &#128512;");
    EXPECT_EQ(doc.lines().at(3).text,
              QStringLiteral("<META NAME=\"TZ\" CONTENT=\"1&quot;&gt;&lt;script&gt;\">"));
    EXPECT_EQ(doc.lines().at(5).text, QStringLiteral("<TITLE>Техническое задание к программе \"") +
                                          title + QStringLiteral("\"</TITLE>"));
    EXPECT_EQ(doc.lines().at(9).text, QStringLiteral("<H1>Техническое задание к программе \"") +
                                          title + QStringLiteral("\"</H1>"));
}

TEST(DocWriter, RichTextHeaderIsABoldTitleAndBoldEndsWithIt) {
    Mode m(DocModeRichText);
    DocBuffer doc;
    DocWriter writer(doc);
    writer.AddHeader(QStringLiteral("<Про> & \"Ко\""), QStringLiteral("123"));
    writer.AddH2(QStringLiteral("Содержание"));
    ASSERT_EQ(doc.lines().size(), 7);
    EXPECT_EQ(doc.lines().at(0).text,
              QStringLiteral("Техническое задание к программе \"<Про> & \"Ко\"\""));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(doc.lines().at(i).attributes, attributes(20, true)) << i;
    for (int i = 1; i < 4; ++i)
        EXPECT_TRUE(doc.lines().at(i).text.isEmpty());
    for (int i = 4; i < 7; ++i)
        EXPECT_EQ(doc.lines().at(i).attributes, attributes(18)) << i;
    EXPECT_FALSE(doc.current.bold);
}
