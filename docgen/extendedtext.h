#pragma once

#include "docgen/docmodel.h"
#include "docgen/documentcontent.h"
#include "docgen/extendedoutline.h"

#include <QString>

namespace tz {

// The text of the extended document, section by section: each section's body is the text
// the user wrote for it, or the outline's for this project, with the project's values in it.

// The body of the section as the document holds it.
QList<Block> sectionBlocks(const OutlineSection& section, const DocumentInputs& inputs);
// The outline's own body for the section, whatever the user wrote, as lines of plain text: a
// paragraph a line, list items with their letters.
QString defaultSectionText(const OutlineSection& section, const DocumentInputs& inputs);
// A text the user wrote as the document's paragraphs: a line each; a line that begins with a
// list's marker ("а)", "1)", "-", "—", "•") is an item of a list.
QList<Block> userTextBlocks(const QString& text);

// The sheet of the text: every section of the outline, headings numbered.
Sheet textSheet(const DocumentInputs& inputs);

// A line to fill in by hand.
QString blankLine();

} // namespace tz
