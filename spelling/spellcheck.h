#pragma once

class QLineEdit;
class QPlainTextEdit;

namespace tz {

class SpellService;

// Russian spell checking in a box, for as long as the box lives: misspelled words get a red
// wavy underline, and the context menu offers suggestions for the word under the mouse (or
// the cursor) and «Добавить в словарь» above the box's own entries. Words are checked in the
// background; in a memo only the lines in view and the lines edited, so that a keystroke in
// a text of megabytes costs no more than in a short one. Only the underline and the menu are
// added: the text, its undo steps and the box's signals are the box's own, except that
// choosing a suggestion edits the text as typing would. Without a dictionary nothing shows.
void attachSpellCheck(QPlainTextEdit* edit);
void attachSpellCheck(QLineEdit* edit);
// The same with another service than the program's (tests, benchmarks).
void attachSpellCheck(QPlainTextEdit* edit, SpellService& service);
void attachSpellCheck(QLineEdit* edit, SpellService& service);

} // namespace tz
