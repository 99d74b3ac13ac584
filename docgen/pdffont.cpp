#include "docgen/pdffont.h"

#include "docgen/truetypesubset.h"

#include <QFont>
#include <QtEndian>

namespace tz {
namespace {

constexpr quint16 kUnknown = 0xffff;

QByteArray hex16(quint32 value) {
    return QByteArray::number(value, 16).rightJustified(4, '0').toUpper();
}

} // namespace

PdfFont::PdfFont(bool bold, int subsetNumber)
    : m_bold(bold), m_prefix(bold ? "FB" : "FR"),
      m_subsetTag(QByteArray("TZAAA") + char('A' + subsetNumber)),
      m_glyphOfChar(0x10000, kUnknown) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(bold);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    m_raw = QRawFont::fromFont(font);
}

quint16 PdfFont::lookUp(char16_t ch) {
    // Control characters (a tab) show as a space, as Qt draws them.
    const QChar shown = ch < 0x20 ? QChar(u' ') : QChar(ch);
    quint32 glyph = 0;
    int count = 1;
    if (!m_raw.glyphIndexesForChars(&shown, 1, &glyph, &count) || count != 1)
        glyph = 0;
    m_glyphOfChar[ch] = quint16(glyph);
    if (!m_charOfGlyph.contains(quint16(glyph)))
        m_charOfGlyph.insert(quint16(glyph), shown.unicode());
    return quint16(glyph);
}

void PdfFont::appendGlyphs(QStringView text, QByteArray& out) {
    // Each glyph takes two bytes, or four when both need a backslash.
    const qsizetype start = out.size();
    out.resize(start + text.size() * 4);
    char* to = out.data() + start;
    for (const QChar ch : text) {
        quint16 glyph = m_glyphOfChar[ch.unicode()];
        if (glyph == kUnknown)
            glyph = lookUp(ch.unicode());
        to = PdfObjects::putInString(to, glyph);
    }
    out.truncate(to - out.constData());
}

QByteArray PdfFont::resource(int sizePt) {
    if (!m_sizes.contains(sizePt))
        m_sizes.append(sizePt);
    return m_prefix + QByteArray::number(sizePt);
}

QByteArray PdfFont::widths(int pixelSize, const QList<quint16>& glyphs) const {
    QRawFont sized = m_raw;
    sized.setPixelSize(pixelSize);
    QList<quint32> indexes(glyphs.begin(), glyphs.end());
    const QList<QPointF> advances = sized.advancesForGlyphIndexes(indexes);
    QByteArray out = "[";
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        // Qt keeps advances in 64ths of a device pixel.
        const qreal advance = qRound(advances.value(i).x() * 64) / 64.0;
        out += QByteArray::number(glyphs.at(i)) + " [" +
               PdfObjects::number(advance * 1000 / pixelSize) + "] ";
    }
    return out + "]";
}

QByteArray PdfFont::toUnicode(const QList<quint16>& glyphs) const {
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    for (qsizetype from = 0; from < glyphs.size(); from += 100) {
        const qsizetype count = qMin<qsizetype>(100, glyphs.size() - from);
        map += QByteArray::number(count) + " beginbfchar\n";
        for (qsizetype i = from; i < from + count; ++i)
            map += '<' + hex16(glyphs.at(i)) + "> <" + hex16(m_charOfGlyph.value(glyphs.at(i))) +
                   ">\n";
        map += "endbfchar\n";
    }
    return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

QList<QPair<QByteArray, int>> PdfFont::write(PdfObjects& pdf) const {
    QList<QPair<QByteArray, int>> fonts;
    if (m_sizes.isEmpty())
        return fonts;
    const QList<quint16> glyphs = m_charOfGlyph.keys();
    const QByteArray program = trueTypeSubset(m_raw, glyphs);
    const int file =
        pdf.writeStream(program, "/Length1 " + QByteArray::number(program.size()) + ' ');
    const qreal em = m_raw.unitsPerEm();
    // A length in the font's units at a place of one of its tables, in thousandths of an em.
    const auto units = [&](const QByteArray& table, qsizetype at) {
        return PdfObjects::number(qint16(qFromBigEndian<quint16>(table.constData() + at)) * 1000 /
                                  em);
    };
    const QByteArray head = m_raw.fontTable("head");
    const QByteArray hhea = m_raw.fontTable("hhea");
    const QByteArray name =
        m_subsetTag + '+' + m_raw.familyName().remove(u' ').toLatin1() + (m_bold ? "-Bold" : "");
    const int descriptor =
        pdf.write("<< /Type /FontDescriptor /FontName /" + name + " /Flags 4 /FontBBox [" +
                  units(head, 36) + ' ' + units(head, 38) + ' ' + units(head, 40) + ' ' +
                  units(head, 42) + "] /ItalicAngle 0 /Ascent " + units(hhea, 4) + " /Descent " +
                  units(hhea, 6) + " /CapHeight " + units(hhea, 4) + " /StemV " +
                  (m_bold ? "95" : "49") + " /FontFile2 " + PdfObjects::ref(file) + " >>");
    const int unicode = pdf.writeStream(toUnicode(glyphs));
    for (const int sizePt : m_sizes) {
        const int pixelSize = sizePt * kPdfDpi / 72;
        const int cidFont =
            pdf.write("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                      " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
                      " /FontDescriptor " +
                      PdfObjects::ref(descriptor) + " /CIDToGIDMap /Identity /W " +
                      widths(pixelSize, glyphs) + " >>");
        const int type0 =
            pdf.write("<< /Type /Font /Subtype /Type0 /BaseFont /" + name +
                      " /Encoding /Identity-H /DescendantFonts [" + PdfObjects::ref(cidFont) +
                      "] /ToUnicode " + PdfObjects::ref(unicode) + " >>");
        fonts.append({m_prefix + QByteArray::number(sizePt), type0});
    }
    return fonts;
}

} // namespace tz
