#include "docgen/docstyle.h"
#include "docgen/documentpreview.h"
#include "docgen/extendeddocument.h"
#include "docgen/pagination.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <algorithm>

using namespace tz;

namespace {

// The lines laid out, each with its page.
class Laid : public PageSink {
public:
    struct Line {
        int page;
        QString text;
        qreal bottom;
    };
    QList<Line> lines;
    int page = -1;

    void beginPage(int) override { ++page; }
    void line(const LaidLine& l) override {
        lines.append({page, l.text.toString(), l.y + l.format->lineHeight});
    }
};

// A text of as many lines at the width, one word of the letter a line.
QString textOfLines(int count, QChar letter, qreal width) {
    const ParaFormat f = columnFormat();
    QString word(1, letter);
    while (textWidth(word, f) < width * 0.6)
        word += letter;
    return QStringList(count, word).join(u' ');
}

int linesOf(const QString& text, qreal width) {
    int count = 0;
    breakLines(text, width, columnFormat(), [&](QStringView, qreal) { ++count; });
    return count;
}

// A page of 14-point lines holds 52: so many filler lines leave room for the rest.
Block fillerLeaving(int room) {
    QStringList filler;
    for (int i = 0; i < 52 - room; ++i)
        filler.append(QStringLiteral("строка %1").arg(i + 1));
    return lines(filler.join(QStringLiteral("\r\n")));
}

struct BreakCase {
    const char* name;
    int room;               // lines left on the first page
    QList<Block> blocks;    // after the filler; their lines are of the letter ш
    QList<int> linesByPage; // of those lines
};

} // namespace

// At a page break within a paragraph two lines at least stay on each side, as word processors
// keep them with widow and orphan control; a table row's column runs on line by line, as
// LibreOffice lets it.
TEST(Pagination, ParagraphsKeepTwoLinesOnEachSideOfAPageBreak) {
    const qreal full = page::kTextWidth;
    const QString four = textOfLines(4, u'ш', full);
    ASSERT_EQ(linesOf(four, full), 4);
    ASSERT_EQ(linesOf(textOfLines(3, u'ш', full), full), 3);
    Block column;
    column.kind = BlockKind::Columns;
    column.left = {textOfLines(4, u'ш', page::kColumnWidth)};
    ASSERT_EQ(linesOf(column.left.constFirst(), page::kColumnWidth), 4);
    const BreakCase cases[] = {
        {"a first line alone goes on", 1, {paragraph(four)}, {0, 4}},
        {"a last line alone takes the one before", 3, {paragraph(four)}, {2, 2}},
        {"three lines stay together", 2, {paragraph(textOfLines(3, u'ш', full))}, {0, 3}},
        {"five lines split three and two", 3, {paragraph(textOfLines(5, u'ш', full))}, {3, 2}},
        {"a heading goes on with two lines of its paragraph",
         4,
         {heading(3, QStringLiteral("ш")), paragraph(four)},
         {0, 5}},
        {"a column runs on line by line", 1, {column}, {1, 3}},
    };
    for (const BreakCase& c : cases) {
        DocModel model;
        model.sheets = {Sheet{SheetKind::Text, QList<Block>{fillerLeaving(c.room)} + c.blocks}};
        Laid laid;
        paginate(model, {}, &laid);
        QList<int> byPage(laid.page + 1, 0);
        for (const Laid::Line& line : laid.lines) {
            if (line.text.startsWith(u'ш'))
                ++byPage[line.page];
        }
        EXPECT_EQ(byPage, c.linesByPage) << c.name;
    }
}

// Values of a few hundred characters run the approval sheet on to another page; no line is
// laid below the foot of its page, where the PDF would cut it.
TEST(Pagination, LongApprovalValuesRunOnToAnotherPage) {
    DocumentInputs in;
    in.extended = true;
    ProjectValues& v = in.values;
    for (QString* value : {&v.customer, &v.executor, &v.agreedPosition, &v.agreedName,
                           &v.approvedPosition, &v.approvedName})
        *value = QStringList(120, QStringLiteral("подразделение")).join(u' ');
    const DocModel model = extendedDocument(in);
    Laid laid;
    const Pagination pages = paginate(model, {}, &laid);
    int approvalPages = 0;
    for (const Laid::Line& line : laid.lines) {
        EXPECT_LE(line.bottom, page::kTextHeight + 0.01) << qPrintable(line.text);
        if (line.text == QStringLiteral("УТВЕРЖДЕН"))
            approvalPages = line.page;
    }
    EXPECT_GT(approvalPages, 1);
    // The title sheet counts the sheets from itself on.
    EXPECT_EQ(pages.sheets, laid.page + 1 - approvalPages);
}

// The preview opens each section on the page of the PDF that holds its heading, also when
// the approval sheet takes more than one page.
TEST(Pagination, ThePreviewFindsEachHeadingsPageAfterALongApprovalSheet) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "pagination_test";
    char* argv[] = {name, nullptr};
    QGuiApplication fonts(argc, argv);
    DocumentInputs in;
    in.extended = true;
    in.values.approvedName = QStringList(400, QStringLiteral("Фамилия")).join(u' ');
    const DocModel model = extendedDocument(in);
    Laid laid;
    paginate(model, {}, &laid);
    const DocumentPreview preview = previewOf(in);
    ASSERT_FALSE(preview.pdf.isEmpty());
    ASSERT_EQ(preview.headingPages.size(), preview.headings.size());
    // Searched from the end: the first line of a heading's words is its entry in the contents.
    for (qsizetype h = 0; h < preview.headings.size(); ++h) {
        const auto line =
            std::find_if(laid.lines.rbegin(), laid.lines.rend(), [&](const Laid::Line& l) {
                return QString(l.text).replace(QChar(0x00A0), u' ') == preview.headings.at(h);
            });
        ASSERT_NE(line, laid.lines.rend()) << qPrintable(preview.headings.at(h));
        EXPECT_EQ(preview.headingPages.at(h), line->page) << qPrintable(preview.headings.at(h));
    }
}
