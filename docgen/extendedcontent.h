#pragma once

#include "docgen/documentcontent.h"
#include "project/projecttext.h"

#include <QList>
#include <QStringList>

namespace tz {

class MenuTree;

// What the extended mode adds to the document.

// The company's paragraphs for section 1.1: one per filled-in value with its label, then
// the filled-in lines of the additional information.
QStringList companyParagraphs(const ProjectValues& company);

// The tree's items in tree order, the root left out, each numbered by its place under 2.1.
QList<DocumentFunction> numberedFunctions(const MenuTree& tree);

// Both, from the values and from the menu tree of a project text. True when the tree went
// deeper than the editor allows and its deeper items are shown at the editor's deepest level.
bool addExtendedInputs(DocumentInputs& inputs, const QStringList& projectText);

} // namespace tz
