#pragma once

#include "docgen/docbuffer.h"

#include <QString>

#include <span>

namespace tz {

// What the user's project brings into the document. The description holds CR LF between
// its lines.
struct DocumentInputs {
    QString title;
    QString description;
    QString projectUid;
};

enum class DocOp { H1, H2, H3, Line, ParaStart, ParaEnd, Para };
// The project value that follows an element's fixed text, and the fixed text after it.
enum class DocInput { None, Title, Description };

struct DocElement {
    DocOp op;
    const char16_t* text;
    DocInput input = DocInput::None;
    const char16_t* suffix = u"";
};

// The fixed outline of the document, in order, after the header.
std::span<const DocElement> documentElements();

// Clears the buffer and writes the header and every element in the current DocMode.
void BuildDocument(DocBuffer& doc, const DocumentInputs& inputs);

} // namespace tz
