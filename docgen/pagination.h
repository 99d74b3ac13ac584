#pragma once

#include "docgen/docmodel.h"
#include "docgen/docstyle.h"
#include "docgen/linebreaker.h"

#include <QList>
#include <QStringView>

namespace tz {

// One line of text as laid out on its page. Positions in points from the top left corner of
// the text area; y is the top of the line.
struct LaidLine {
    QStringView text;
    qreal x = 0;
    qreal y = 0;
    qreal width = 0; // of the text
    const ParaFormat* format = nullptr;
    // The last line of a contents entry: the page number to set at the right.
    int number = 0;
};

// Receives the pages in order as they are laid out.
class PageSink {
public:
    virtual ~PageSink() = default;
    // shownNumber is 0 on a page that prints no number.
    virtual void beginPage(int shownNumber) = 0;
    virtual void line(const LaidLine& line) = 0;
    // A table's rule from one point to another, in the coordinates of LaidLine.
    virtual void rule(qreal x1, qreal y1, qreal x2, qreal y2);
};

struct Pagination {
    QList<int> headingPages; // the page number shown on each heading's page, in order
    int sheets = 0;          // the sheets counted: all but the approval sheet
    int pages = 0;           // every page, the approval sheet's too
};

// The headings of the text sheets, in order: the entries of the contents.
QList<const Block*> headingsOf(const DocModel& model);

// The text of a paragraph with its field's value.
QString paragraphText(const Block& block, const Pagination& pages);

// Lays the document out on pages with the fonts' widths. The numbers of an earlier pass go
// into the contents and the fields; they do not change the layout.
Pagination paginate(const DocModel& model, const Pagination& known = {}, PageSink* sink = nullptr);

} // namespace tz
