#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tz {

// The document as every writer renders it: sheets of blocks, each sheet beginning a page.
enum class SheetKind {
    Approval, // the approval sheet: not counted among the sheets, no number printed
    Title,    // sheet 1: counted, its number not printed
    Contents, // from here on every page shows its number at the top
    Text,
};

enum class BlockKind {
    Heading,   // level 1 to 3, listed in the contents
    Paragraph, // one paragraph
    Lines,     // each line of the text a paragraph of its own, all formatted alike
    Columns,   // two columns of paragraphs side by side
    Contents,  // the headings of the text sheets with their page numbers
    Gap,       // empty space of spacePt
    Table,     // ruled cells; the first row is the header, repeated on every page it runs to
};

enum class Align { Left, Center, Right };

// A value that the writer puts after a paragraph's text.
enum class Field { None, SheetCount };

struct Block {
    BlockKind kind = BlockKind::Paragraph;
    QString text = {};
    int level = 0; // a heading's level; for paragraphs the indent in steps
    Align align = Align::Left;
    bool bold = false;
    int sizePt = 12;
    bool keepWithNext = false;
    bool unbreakable = false; // lines break at spaces only, never after a hyphen
    qreal spacePt = 0;        // space before a paragraph; a gap's height
    Field field = Field::None;
    QStringList left = {}, right = {}; // the columns' paragraphs
    QList<QStringList> rows = {};      // a table's rows of cells
    QList<qreal> widths = {};          // a table's columns, as parts of the text's width
};

struct Sheet {
    SheetKind kind = SheetKind::Text;
    QList<Block> blocks = {};
};

// What a word processor shows of the file besides its text.
struct DocProperties {
    QString title = {};  // "Техническое задание к программе «…»"
    QString author = {}; // the organisation that makes the document
    QString identifier = {}; // the project's identifier
};

struct DocModel {
    DocProperties properties = {};
    QList<Sheet> sheets = {};
};

// Shorthands for building.
Block heading(int level, const QString& text);
Block paragraph(const QString& text, Align align = Align::Left, bool bold = false, int sizePt = 12);
Block lines(const QString& text, int indent = 0);
Block gap(qreal pt);

} // namespace tz
