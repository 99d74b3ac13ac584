#pragma once

#include "docgen/docmodel.h"
#include "docgen/docstyle.h"
#include "docgen/pagination.h"

#include <QStringView>

namespace tz {

// What a writer of the document model does with each part of it, in order. walkModel() takes
// the sheets and blocks apart the same way for every writer.
class ModelVisitor {
public:
    virtual ~ModelVisitor() = default;
    virtual void beginSheet(const Sheet& sheet, qsizetype index) = 0;
    virtual void endSheet(const Sheet& sheet) = 0;
    // The heading's number counts the headings from 1, for its bookmark.
    virtual void heading(const Block& heading, int number) = 0;
    // One paragraph: of a paragraph block with its field's value, or of a gap.
    virtual void paragraph(QStringView text, const ParaFormat& format, bool unbreakable) = 0;
    // A block of lines, each a paragraph of the format.
    virtual void lines(QStringView text, const ParaFormat& format);
    virtual void columns(const Block& columns) = 0;
    virtual void table(const Block& table) = 0;
    virtual void contents(const QList<const Block*>& headings) = 0;
};

void walkModel(const DocModel& model, const Pagination& pages, ModelVisitor& visitor);

// The pieces of a paragraph's text that a writer marks up apart from plain text.
enum class RunKind {
    Text,
    Tab,
    Hyphen, // a hyphen that must not break, in an unbreakable text
    Blanks, // blanks at the start of the text or two or more in a row, where asked for
};

// Calls run() for each piece of the text in order.
template <typename Run>
void forEachRun(QStringView text, bool unbreakable, bool blanks, Run&& run) {
    qsizetype from = 0;
    const auto flush = [&](qsizetype to) {
        if (to > from)
            run(RunKind::Text, text.sliced(from, to - from));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'\t' || (unbreakable && ch == u'-')) {
            flush(i);
            run(ch == u'\t' ? RunKind::Tab : RunKind::Hyphen, text.sliced(i, 1));
            from = i + 1;
        } else if (blanks && ch == u' ' && (i == 0 || text.at(i - 1) == u' ')) {
            // A blank at the start, or after another, would be dropped by the reader.
            flush(i);
            qsizetype end = i;
            while (end < text.size() && text.at(end) == u' ')
                ++end;
            run(RunKind::Blanks, text.sliced(i, end - i));
            from = end;
            i = end - 1;
        }
    }
    flush(text.size());
}

} // namespace tz
