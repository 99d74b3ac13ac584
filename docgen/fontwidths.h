#pragma once

#include <QtGlobal>

namespace tz {

// The width in points of a character of Times New Roman at the size, as Word, LibreOffice
// and the PDF writer set it (kerning off).
qreal characterWidth(char16_t ch, bool bold, int sizePt);

} // namespace tz
