#include "docgen/docwriter.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tz;

namespace {

struct OperationCase {
    const char* name;
    std::function<void(DocWriter&, const QString&)> call;
    QStringList html; // "%" stands for the text
    int richSizePt;
    bool richEmptyLinesAround;
};

const OperationCase kOperations[] = {
    {"AddH1", &DocWriter::AddH1, {"<H1>", "%", "</H1>"}, 20, true},
    {"AddH2", &DocWriter::AddH2, {"<H2>", "%", "</H2>"}, 18, true},
    {"AddH3", &DocWriter::AddH3, {"<H3>", "%", "</H3>"}, 16, true},
    {"AddLine", &DocWriter::AddLine, {"%", "<BR>"}, 12, false},
    {"AddParaStart", &DocWriter::AddParaStart, {"<P>", "%", "<BR>"}, 12, false},
    {"AddParaEnd", &DocWriter::AddParaEnd, {"%", "</P>"}, 12, false},
    {"AddPara", &DocWriter::AddPara, {"<P>", "%", "</P>"}, 12, false},
};

TextAttributes attributes(int sizePt, bool bold = false) {
    return {QStringLiteral("Times New Roman"), ColourBlack, sizePt, bold};
}

} // namespace

TEST(DocWriter, WritesNothingOutsideTheTwoModes) {
    for (const int mode : {DocModeNone, 3, -1}) {
        DocBuffer doc;
        doc.append(QStringLiteral("earlier"));
        DocWriter writer(doc, mode);
        writer.AddHeader(QStringLiteral("Т"), QStringLiteral("1"));
        for (const OperationCase& op : kOperations)
            op.call(writer, QStringLiteral("текст"));
        EXPECT_EQ(doc.texts(), QStringList{QStringLiteral("earlier")}) << "mode " << mode;
    }
}

// A text with line breaks is one element: one line of HTML source between the tags, or
// several paragraphs with the element's attributes.
TEST(DocWriter, EachOperationWritesItsLinesInBothModes) {
    for (const OperationCase& op : kOperations) {
        for (const QString& text : {QString(), QStringLiteral("раз\r\nдва\nтри <b>&amp;")}) {
            DocBuffer doc;
            DocWriter html(doc, DocModeHtml);
            op.call(html, text);
            QStringList expected = op.html;
            expected.replaceInStrings(QStringLiteral("%"), text);
            EXPECT_EQ(doc.texts(), expected) << op.name;

            DocWriter rich(doc, DocModeRichText);
            doc.clear();
            doc.current = {QStringLiteral("Arial"), 0xff0000, 7, true};
            op.call(rich, text);
            expected = text.isEmpty() ? QStringList{QString()}
                                      : QStringList{"раз", "два", QStringLiteral("три <b>&amp;")};
            if (op.richEmptyLinesAround)
                expected = QStringList{QString()} + expected + QStringList{QString()};
            EXPECT_EQ(doc.texts(), expected) << op.name;
            for (const DocLine& line : doc.lines())
                EXPECT_EQ(line.attributes, attributes(op.richSizePt, true)) << op.name;
        }
    }
}

TEST(DocWriter, HtmlHeaderEscapesTheUsersTexts) {
    DocBuffer doc;
    DocWriter(doc, DocModeHtml)
        .AddHeader(QStringLiteral("Калькулятор <Про> & \"Ко\" Ω 😀"),
                   QStringLiteral("1\"><script>"));
    ASSERT_EQ(doc.lines().size(), 11);
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
    DocBuffer doc;
    DocWriter writer(doc, DocModeRichText);
    writer.AddHeader(QStringLiteral("<Про> & \"Ко\""), QStringLiteral("123"));
    writer.AddH2(QStringLiteral("Содержание"));
    ASSERT_EQ(doc.lines().size(), 7);
    EXPECT_EQ(doc.lines().at(0).text,
              QStringLiteral("Техническое задание к программе \"<Про> & \"Ко\"\""));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(doc.lines().at(i).attributes, i < 4 ? attributes(20, true) : attributes(18));
        EXPECT_EQ(doc.lines().at(i).text.isEmpty(), i != 0 && i != 5) << i;
    }
}
