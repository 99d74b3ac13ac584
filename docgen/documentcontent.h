#pragma once

#include "docgen/docbuffer.h"
#include "docgen/docmodel.h"
#include "project/projectvalues.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

namespace tz {

// One function of the program in section 2.1: a menu item, numbered by its place in the tree.
struct DocumentFunction {
    QString number; // "2.1.1.", "2.1.1.1.", ...
    QString caption;
    QString description;   // CR LF between its lines; may be empty
    bool standard = false; // a ready-made function from the catalogue
};

// What the user's project brings into the document. The usual document takes the title,
// the purpose and the identifier; the extended one takes every value, the functions and the
// year of its title sheet.
struct DocumentInputs {
    ProjectValues values;
    QString projectUid = {};
    bool extended = false;
    QList<DocumentFunction> functions = {};
    int year = 0;
};

enum class DocOp { H1, H2, H3, Line, ParaStart, ParaEnd, Para };
// The project value that follows an element's fixed text, and the fixed text after it.
enum class DocInput { None, Title, Description };
// What the extended document makes of an element besides its text.
enum class DocExtra {
    None,
    Introduction,  // the basis, the customer and the developer follow
    Functions,     // the menu items follow
    Staff,         // the staff requirements follow
    Hardware,      // names the systems ticked; the hardware requirements follow
    Database,      // names no database product when systems are ticked
    Software,      // names the systems ticked
    JoinsPrevious, // the rest of the line before
};

struct DocElement {
    DocOp op;
    const char16_t* text;
    DocInput input = DocInput::None;
    const char16_t* suffix = u"";
    DocExtra then = DocExtra::None;
};

// The fixed outline of the document, in order, after the header.
std::span<const DocElement> documentElements();

// The document properties of a project: its title phrase, author and identifier.
DocProperties documentProperties(const DocumentInputs& inputs);

// Writes the header and every element in the mode (docwriter.h).
void BuildDocument(DocSink& doc, int docMode, const DocumentInputs& inputs);
// Clears the buffer first.
void BuildDocument(DocBuffer& doc, int docMode, const DocumentInputs& inputs);

} // namespace tz
