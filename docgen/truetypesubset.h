#pragma once

#include <QByteArray>
#include <QList>
#include <QRawFont>

namespace tz {

// A TrueType font program holding only the outlines of the given glyphs (and of the glyphs
// they are composed of), every glyph keeping its number, so that a PDF can embed a few
// kilobytes of the font and address the glyphs by their numbers in the whole font. Empty when
// the font has no TrueType outlines.
QByteArray trueTypeSubset(const QRawFont& font, const QList<quint16>& glyphs);

} // namespace tz
