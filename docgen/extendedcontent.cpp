#include "docgen/extendedcontent.h"

#include "project/random32.h"
#include "project/textlines.h"
#include "structure/menutree.h"
#include "structure/menutreeloader.h"

namespace tz {
namespace {

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

void addNumbered(const MenuNode* node, const QString& number, QList<DocumentFunction>& out) {
    for (int i = 0; i < node->childCount(); ++i) {
        const MenuNode* child = node->child(i);
        const QString childNumber = number + QString::number(i + 1) + u'.';
        out.append({childNumber, child->record()->Caption, child->record()->Description});
        addNumbered(child, childNumber, out);
    }
}

} // namespace

QStringList companyParagraphs(const ProjectValues& company) {
    QStringList paragraphs;
    const std::pair<const char16_t*, const QString*> labelled[] = {
        {u"Правообладатель: ", &company.companyName},
        {u"Сайт: ", &company.companyURL},
        {u"Электронная почта: ", &company.companyEMail},
        {u"Телефон: ", &company.companyPhone}};
    for (const auto& [label, value] : labelled) {
        if (!isBlank(*value))
            paragraphs.append(QString::fromUtf16(label) + *value);
    }
    for (const QString& line : splitLines(company.companyInfo)) {
        if (!isBlank(line))
            paragraphs.append(line);
    }
    return paragraphs;
}

QList<DocumentFunction> numberedFunctions(const MenuTree& tree) {
    QList<DocumentFunction> functions;
    addNumbered(tree.root(), QStringLiteral("2.1."), functions);
    return functions;
}

bool addExtendedInputs(DocumentInputs& inputs, const QStringList& projectText) {
    inputs.company = companyParagraphs(inputs.values);
    // The document shows no Uid, so the ones drawn for unreadable records need not be the
    // program's own sequence.
    Random32 random(0);
    const LoadedMenuTree loaded = loadMenuTree(projectText, random);
    inputs.functions = numberedFunctions(loaded.tree);
    return loaded.flattened;
}

} // namespace tz
