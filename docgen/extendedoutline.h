#pragma once

#include "project/standardlists.h"

#include <QStringView>

#include <span>

namespace tz {

// What a row of the extended document brings from the project. Rows marked alternative
// follow the row they may stand in place of.
enum class OutlinePart {
    None,
    Title,      // "%1" in the text is the program's name
    Purpose,    // the purpose's lines; no text of its own
    Basis,      // the text and the basis's lines; without a basis, the alternative with a
                // line to fill in for "%1"
    Parties,    // the customer, the executor and the rights holder; no text of its own
    Functions,  // the text and the menu items under it; without items, the alternative
    Staff,      // the text and the user's staff requirements when there are any, in place of
                // the alternatives
    Hardware,   // the same for the hardware requirements
    Systems,    // with no system ticked, the text; with one, the first alternative, with
                // several the last, "%1" naming them
    Database,   // with a database, the text, "%1" its DBMS; otherwise the alternatives
    Documents,  // the text and the documents chosen as a list; without any, the alternative
    Stages,     // the text and the stages chosen as a table; without any, the alternative
    StageWorks, // for each stage chosen, the text with "%1" its name and "%2" its works
};

// The program types a row is written for.
using TypeMask = unsigned;
constexpr TypeMask typeBit(ProgramType type) {
    return 1u << unsigned(type);
}
inline constexpr TypeMask kAllTypes = 0x1f;

// One row of the extended document's text: a heading with its number, or a paragraph.
struct OutlineRow {
    int level = 0;      // a heading's level, 1 to 3; 0 for a paragraph
    QStringView number; // a heading's number, "2.2.1"
    QStringView text;   // the heading without its number, or the paragraph
    bool item = false;  // an item of the list the paragraph before opens
    OutlinePart part = OutlinePart::None;
    bool alternative = false; // stands only in place of the row before (see OutlinePart)
    TypeMask types = kAllTypes;
};

// The extended document's text, in order, from the introduction to the acceptance.
std::span<const OutlineRow> extendedOutline();

// A section of the outline: its heading row and the rows of its body up to the next heading.
struct OutlineSection {
    const OutlineRow* heading;
    std::span<const OutlineRow> body;
    // The body is fixed text the user may write anew; otherwise it shows values the user
    // gives elsewhere.
    bool editable;
};
QList<OutlineSection> outlineSections();

} // namespace tz
