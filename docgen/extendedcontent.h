#pragma once

#include "docgen/documentcontent.h"
#include "project/projecttext.h"

#include <QList>
#include <QStringList>

namespace tz {

class MenuTree;
class ProjectModel;

// What the extended mode takes into the document besides the values.

// The tree's items in tree order, the root left out, each numbered by its place under 2.1.
QList<DocumentFunction> numberedFunctions(const MenuTree& tree);

// The functions of a project text's menu tree, of the kinds the inputs' values give, and this
// year for the title sheet. True when the tree went deeper than the editor allows and its
// deeper items are shown at the editor's deepest level.
bool addExtendedInputs(DocumentInputs& inputs, const QStringList& projectText);

// This year, which the title sheet shows.
int documentYear();

// The document's inputs of an open project; in the extended mode with the tree's functions
// and this year.
DocumentInputs documentInputsOf(const ProjectModel& model, const QString& projectUid,
                                bool extended);

} // namespace tz
