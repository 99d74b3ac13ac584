#pragma once

#include <QString>
#include <functional>

class QMenu;

namespace tz {

class SpellService;

// Puts at the top of a box's own context menu what the spell check offers for a misspelled
// word: up to seven suggestions, which replace the word through the function, and «Добавить
// в словарь».
void addSpellActions(QMenu* menu, SpellService& service, const QString& word,
                     const std::function<void(const QString&)>& replace);

} // namespace tz
