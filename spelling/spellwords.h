#pragma once

#include <QList>
#include <QStringView>

namespace tz {

struct WordSpan {
    qsizetype start = 0;
    qsizetype length = 0;
};

// The words of a text that the Russian spell check looks at, in order: runs of Cyrillic
// letters, with the hyphens inside them (что-то, Ростов-на-Дону). Left out: words with Latin
// or other letters or digits (Windows-версия, 5-й), abbreviations in capitals (ГОСТ, ТЗ) and
// the words of web and e-mail addresses and of anything else with a dot between letters.
QList<WordSpan> checkedWords(QStringView text);

} // namespace tz
