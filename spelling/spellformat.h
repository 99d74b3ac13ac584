#pragma once

#include <QTextCharFormat>

namespace tz {

// A misspelled word's look: a red wavy underline. Not Qt's SpellCheckUnderline, which leaves
// the style to the platform's theme, and some themes (offscreen) draw none.
QTextCharFormat misspelledFormat();

} // namespace tz
