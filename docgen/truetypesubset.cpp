#include "docgen/truetypesubset.h"

#include <QtEndian>

#include <algorithm>

namespace tz {
namespace {

quint16 read16(const QByteArray& data, qsizetype at) {
    return at + 2 <= data.size() ? qFromBigEndian<quint16>(data.constData() + at) : 0;
}

quint32 read32(const QByteArray& data, qsizetype at) {
    return at + 4 <= data.size() ? qFromBigEndian<quint32>(data.constData() + at) : 0;
}

void append16(QByteArray& out, quint16 value) {
    out.append(char(value >> 8)).append(char(value));
}

void append32(QByteArray& out, quint32 value) {
    append16(out, quint16(value >> 16));
    append16(out, quint16(value));
}

quint32 checksum(const QByteArray& table) {
    quint32 sum = 0;
    for (qsizetype at = 0; at < table.size(); at += 4) {
        quint32 word = 0;
        for (int i = 0; i < 4; ++i)
            word = word << 8 | (at + i < table.size() ? quint8(table.at(at + i)) : 0);
        sum += word;
    }
    return sum;
}

// A glyph's outline without its hinting instructions, as Qt's own PDF writer embedded the
// font; the glyphs a composite glyph is made of are added to the components.
QByteArray unhinted(const QByteArray& glyph, QList<quint16>& components) {
    if (glyph.size() < 12)
        return glyph;
    const qint16 contours = qint16(read16(glyph, 0));
    if (contours >= 0) {
        const qsizetype lengthAt = 10 + 2 * contours;
        const qsizetype instructions = read16(glyph, lengthAt);
        return glyph.left(lengthAt) + QByteArray(2, '\0') + glyph.mid(lengthAt + 2 + instructions);
    }
    enum : quint16 {
        kWordArguments = 0x0001,
        kScale = 0x0008,
        kMoreComponents = 0x0020,
        kXYScale = 0x0040,
        kTwoByTwo = 0x0080,
        kInstructions = 0x0100,
    };
    QByteArray out = glyph;
    qsizetype at = 10;
    quint16 flags = kMoreComponents;
    while ((flags & kMoreComponents) && at + 4 <= out.size()) {
        flags = read16(out, at);
        qToBigEndian<quint16>(flags & ~kInstructions, out.data() + at);
        components.append(read16(out, at + 2));
        at += 4 + ((flags & kWordArguments) ? 4 : 2);
        if (flags & kScale)
            at += 2;
        else if (flags & kXYScale)
            at += 4;
        else if (flags & kTwoByTwo)
            at += 8;
    }
    return out.left(at);
}

} // namespace

QByteArray trueTypeSubset(const QRawFont& font, const QList<quint16>& glyphs) {
    QByteArray head = font.fontTable("head");
    const QByteArray loca = font.fontTable("loca");
    const QByteArray glyf = font.fontTable("glyf");
    const int count = read16(font.fontTable("maxp"), 4);
    if (head.size() < 54 || glyf.isEmpty() || count == 0)
        return QByteArray();
    const bool longOffsets = read16(head, 50) == 1;
    const auto offset = [&](int glyph) -> qsizetype {
        return longOffsets ? read32(loca, glyph * 4) : qsizetype(read16(loca, glyph * 2)) * 2;
    };
    const auto outline = [&](int glyph) {
        const qsizetype start = offset(glyph);
        return glyf.mid(start, qMax<qsizetype>(0, offset(glyph + 1) - start));
    };

    QList<bool> kept(count, false);
    QList<QByteArray> outlines(count);
    QList<quint16> pending = glyphs;
    pending.append(0); // the glyph of missing characters is always there
    while (!pending.isEmpty()) {
        const quint16 glyph = pending.takeLast();
        if (glyph < count && !kept.at(glyph)) {
            kept[glyph] = true;
            outlines[glyph] = unhinted(outline(glyph), pending);
        }
    }

    QByteArray newGlyf;
    QByteArray newLoca;
    for (int glyph = 0; glyph < count; ++glyph) {
        append32(newLoca, quint32(newGlyf.size()));
        newGlyf += outlines.at(glyph);
        newGlyf.append((4 - newGlyf.size() % 4) % 4, '\0');
    }
    append32(newLoca, quint32(newGlyf.size()));
    // The metrics of the glyphs left out are zero: the PDF gives the widths, and zeros pack.
    QByteArray hmtx = font.fontTable("hmtx");
    const qsizetype metrics = read16(font.fontTable("hhea"), 34);
    for (int glyph = 0; glyph < count; ++glyph) {
        const qsizetype at = glyph < metrics ? glyph * 4 : metrics * 4 + (glyph - metrics) * 2;
        const qsizetype size = glyph < metrics ? 4 : 2;
        if (!kept.at(glyph) && at + size <= hmtx.size())
            std::fill_n(hmtx.data() + at, size, '\0');
    }
    qToBigEndian<quint16>(1, head.data() + 50); // long offsets in the new loca
    qToBigEndian<quint32>(0, head.data() + 8);  // checksum adjustment, set below

    // The tables a PDF reader needs to draw TrueType glyphs without hinting, in the order of
    // their tags.
    const char* const tags[] = {"glyf", "head", "hhea", "hmtx", "loca", "maxp"};
    QList<QPair<QByteArray, QByteArray>> tables;
    for (const char* tag : tags) {
        const QByteArray name(tag, 4);
        const QByteArray table = name == "glyf"   ? newGlyf
                                 : name == "loca" ? newLoca
                                 : name == "head" ? head
                                 : name == "hmtx" ? hmtx
                                                  : font.fontTable(tag);
        if (!table.isEmpty())
            tables.append({name, table});
    }
    const quint16 tableCount = quint16(tables.size());
    quint16 searchRange = 1, selector = 0;
    while (searchRange * 2 <= tableCount) {
        searchRange *= 2;
        ++selector;
    }
    QByteArray out;
    append32(out, 0x00010000);
    append16(out, tableCount);
    append16(out, searchRange * 16);
    append16(out, selector);
    append16(out, tableCount * 16 - searchRange * 16);
    qsizetype at = 12 + 16 * tableCount;
    qsizetype headAt = 0;
    for (const auto& [name, table] : tables) {
        out += name;
        append32(out, checksum(table));
        append32(out, quint32(at));
        append32(out, quint32(table.size()));
        if (name == "head")
            headAt = at;
        at += (table.size() + 3) / 4 * 4;
    }
    for (const auto& [name, table] : tables) {
        out += table;
        out.append((4 - table.size() % 4) % 4, '\0');
    }
    qToBigEndian<quint32>(0xB1B0AFBA - checksum(out), out.data() + headAt + 8);
    return out;
}

} // namespace tz
