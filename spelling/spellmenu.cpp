#include "spelling/spellmenu.h"

#include "spelling/spellservice.h"

#include <QMenu>

namespace tz {
namespace {

constexpr int kMostSuggestions = 7;

} // namespace

void addSpellActions(QMenu* menu, SpellService& service, const QString& word,
                     const std::function<void(const QString&)>& replace) {
    QAction* first = menu->actions().value(0);
    QList<QAction*> added;
    const QStringList suggestions = service.suggestions(word, kMostSuggestions);
    for (const QString& suggestion : suggestions) {
        auto* action = new QAction(suggestion, menu);
        QObject::connect(action, &QAction::triggered, menu,
                         [replace, suggestion] { replace(suggestion); });
        added.append(action);
    }
    if (suggestions.isEmpty()) {
        auto* none = new QAction(QStringLiteral("Нет вариантов"), menu);
        none->setEnabled(false);
        added.append(none);
    }
    auto* add = new QAction(QStringLiteral("Добавить в словарь"), menu);
    SpellService* target = &service;
    QObject::connect(add, &QAction::triggered, menu,
                     [target, word] { target->addToPersonal(word); });
    added.append(add);
    menu->insertActions(first, added);
    if (first)
        menu->insertSeparator(first);
}

} // namespace tz
