#pragma once

#include "docgen/docbuffer.h"

#include <QByteArray>

namespace tz {

// The rich-text buffer as an RTF document, one paragraph per line with its font, colour,
// size and boldness. Every byte is 7-bit: Cyrillic as Windows-1251 escapes, other
// characters as Unicode escapes with "?" for readers that lack them.
QByteArray rtfBytes(const DocBuffer& doc);

} // namespace tz
