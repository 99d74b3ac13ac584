#pragma once

#include "docgen/docbuffer.h"
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
    QString description; // CR LF between its lines; may be empty
};

// What the user's project brings into the document. The company paragraphs and the
// functions come in extended mode only; left empty, the document is the wizard's usual one.
struct DocumentInputs {
    ProjectValues values;
    QString projectUid = {};
    QStringList company = {};
    QList<DocumentFunction> functions = {};
};

enum class DocOp { H1, H2, H3, Line, ParaStart, ParaEnd, Para };
// The project value that follows an element's fixed text, and the fixed text after it.
enum class DocInput { None, Title, Description };
// What the extended content adds after an element.
enum class DocExtra { None, Company, Functions };

struct DocElement {
    DocOp op;
    const char16_t* text;
    DocInput input = DocInput::None;
    const char16_t* suffix = u"";
    DocExtra then = DocExtra::None;
};

// The fixed outline of the document, in order, after the header.
std::span<const DocElement> documentElements();

// Clears the buffer and writes the header and every element in the current DocMode.
void BuildDocument(DocBuffer& doc, const DocumentInputs& inputs);

} // namespace tz
