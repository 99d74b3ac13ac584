#include "docgen/extendedcontent.h"

#include "project/menutree.h"
#include "project/menutreeloader.h"
#include "project/projectmodel.h"
#include "project/random32.h"

#include <QDate>

namespace tz {
namespace {

void addNumbered(const MenuNode* node, const QString& number, QList<DocumentFunction>& out) {
    for (int i = 0; i < node->childCount(); ++i) {
        const MenuNode* child = node->child(i);
        const QString childNumber = number + QString::number(i + 1) + u'.';
        out.append({childNumber, child->record()->Caption, child->record()->Description,
                    child->kind() == MenuKind::StandardFunction});
        addNumbered(child, childNumber, out);
    }
}

} // namespace

QList<DocumentFunction> numberedFunctions(const MenuTree& tree) {
    QList<DocumentFunction> functions;
    addNumbered(tree.root(), QStringLiteral("2.1."), functions);
    return functions;
}

int documentYear() {
    return QDate::currentDate().year();
}

DocumentInputs documentInputsOf(const ProjectModel& model, const QString& projectUid,
                                bool extended) {
    DocumentInputs inputs{model.values(), projectUid};
    if (extended) {
        inputs.extended = true;
        inputs.functions = numberedFunctions(model.tree());
        inputs.year = documentYear();
    }
    return inputs;
}

bool addExtendedInputs(DocumentInputs& inputs, const QStringList& projectText) {
    inputs.extended = true;
    inputs.year = documentYear();
    // The document shows no Uid, so the ones drawn for unreadable records need not be the
    // program's own sequence.
    Random32 random(0);
    const LoadedMenuTree loaded = loadMenuTree(projectText, random, readKinds(inputs.values.kinds));
    inputs.functions = numberedFunctions(loaded.tree);
    return loaded.flattened;
}

} // namespace tz
