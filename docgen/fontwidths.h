#pragma once

#include <QtGlobal>

namespace tz {

// The width in points of a character of Times New Roman at the size, as Word, LibreOffice
// and the PDF writer set it (kerning off).
qreal characterWidth(char16_t ch, bool bold, int sizePt);

// The same for one font and size, looked up at once up to the end of the Cyrillic letters:
// every character of a document is measured.
class CharacterWidths {
public:
    CharacterWidths(bool bold, int sizePt);
    qreal operator()(char16_t ch) const {
        return ch < kDirect ? m_direct[ch] * m_scale : characterWidth(ch, m_bold, m_sizePt);
    }

private:
    static constexpr char16_t kDirect = 0x460;
    const short* m_direct;
    qreal m_scale;
    bool m_bold;
    int m_sizePt;
};

} // namespace tz
