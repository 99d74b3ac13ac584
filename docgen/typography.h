#pragma once

#include "docgen/docmodel.h"

#include <QString>

namespace tz {

// Russian typography for the extended document, its fixed text and what the user typed
// alike: quotes inside quotes as „…“, straight double quotes as «…», a hyphen between spaces
// as a dash with a no-break space before it, and no-break spaces that keep a number with the
// word after it and the word before it ("500 ГБ", "Windows 11", "№ 14", "ГОСТ Р 51188-98") and
// initials with each other and the surname ("П. С. Орлов", "Орлов П. С."). The text itself
// when nothing changes; each line on its own.
QString typeset(const QString& text);
// Every paragraph, heading, column and cell of the model.
void typeset(DocModel& model);

} // namespace tz
