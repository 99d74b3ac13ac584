#pragma once

#include "docgen/pdfobjects.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QRawFont>
#include <QStringView>

#include <vector>

namespace tz {

// One weight of the document's font as a PDF embeds it: the characters turned into the
// glyphs of the font that Times New Roman resolves to, and at the end a subset of the font
// with only the glyphs used. Each size gets a font resource of its own whose widths are the
// glyphs' advances at that size on a device of kPdfDpi, rounded as Qt rounds them, so that
// the glyphs stand where Qt's own PDF writer put them.
class PdfFont {
public:
    static constexpr int kPdfDpi = 720;

    PdfFont(bool bold, int subsetNumber);
    // Appends the glyphs of the text, two bytes each, as a PDF literal string's content.
    void appendGlyphs(QStringView text, QByteArray& out);
    // The name of the font resource of a size, marked as used.
    QByteArray resource(int sizePt);
    // Writes the fonts of every size used: resource name and object number.
    QList<QPair<QByteArray, int>> write(PdfObjects& pdf) const;

private:
    quint16 lookUp(char16_t ch);
    QByteArray widths(int pixelSize, const QList<quint16>& glyphs) const;
    QByteArray toUnicode(const QList<quint16>& glyphs) const;

    QRawFont m_raw;
    bool m_bold;
    QByteArray m_prefix;                // resource names begin with it
    QByteArray m_subsetTag;             // six capitals before the font's name
    std::vector<quint16> m_glyphOfChar; // kUnknown until looked up
    QMap<quint16, char16_t> m_charOfGlyph;
    QList<int> m_sizes;
};

} // namespace tz
