#pragma once

#include <QStringView>

#include <span>

namespace tz {

// What a row of the extended document brings from the project. Rows marked alternative
// follow the row they may stand in place of.
enum class OutlinePart {
    None,
    Title,     // "%1" in the text is the program's name
    Purpose,   // the purpose's lines; no text of its own
    Basis,     // the text and the basis's lines; without a basis, the alternative with a
               // line to fill in for "%1"
    Parties,   // the customer and the executor with their details; no text of its own
    Functions, // the text and the menu items under it; without items, the alternative
    Staff,     // the text and the user's staff requirements, when there are any
    Hardware,  // the text and the user's hardware requirements, when there are any
    Systems,   // with no system ticked, the text; with one, the first alternative, with
               // several the last, "%1" naming them
};

// One row of the extended document's text: a heading with its number, or a paragraph.
struct OutlineRow {
    int level = 0;      // a heading's level, 1 to 3; 0 for a paragraph
    QStringView number; // a heading's number, "2.2.1"
    QStringView text;   // the heading without its number, or the paragraph
    bool item = false;  // a paragraph that is an item of the list the one before opens
    OutlinePart part = OutlinePart::None;
    bool alternative = false; // stands only in place of the row before (see OutlinePart)
};

// The extended document's text, in order, from the introduction to the acceptance.
std::span<const OutlineRow> extendedOutline();

} // namespace tz
