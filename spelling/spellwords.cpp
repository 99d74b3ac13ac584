#include "spelling/spellwords.h"

namespace tz {
namespace {

bool isCyrillic(QChar ch) {
    return ch.unicode() >= 0x0400 && ch.unicode() <= 0x04ff;
}

// Stress marks and soft hyphens are part of the word they stand in.
bool isWordPart(QChar ch) {
    return ch.isLetterOrNumber() || ch.isMark() || ch == QChar::SoftHyphen;
}

// A piece of text between spaces that is an address rather than words.
bool isAddressLike(QStringView piece) {
    if (piece.contains(u'@') || piece.contains(QLatin1String("://")) ||
        piece.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return true;
    for (qsizetype i = 1; i + 1 < piece.size(); ++i) {
        if (piece[i] == u'.' && piece[i - 1].isLetter() && piece[i + 1].isLetter())
            return true;
    }
    return false;
}

bool isChecked(QStringView word) {
    bool lower = false;
    int letters = 0;
    for (const QChar ch : word) {
        if (ch == u'-' || ch.isMark() || ch == QChar::SoftHyphen)
            continue;
        if (!isCyrillic(ch) || !ch.isLetter())
            return false;
        ++letters;
        lower = lower || ch.isLower();
    }
    return lower || letters < 2;
}

} // namespace

QList<WordSpan> checkedWords(QStringView text) {
    QList<WordSpan> words;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (text[i].isSpace()) {
            ++i;
            continue;
        }
        qsizetype pieceEnd = i;
        while (pieceEnd < n && !text[pieceEnd].isSpace())
            ++pieceEnd;
        const QStringView piece = text.sliced(i, pieceEnd - i);
        if (!isAddressLike(piece)) {
            for (qsizetype at = i; at < pieceEnd;) {
                if (!isWordPart(text[at])) {
                    ++at;
                    continue;
                }
                qsizetype end = at + 1;
                while (end < pieceEnd &&
                       (isWordPart(text[end]) ||
                        (text[end] == u'-' && end + 1 < pieceEnd && isWordPart(text[end + 1]))))
                    ++end;
                if (isChecked(text.sliced(at, end - at)))
                    words.append({at, end - at});
                at = end;
            }
        }
        i = pieceEnd;
    }
    return words;
}

} // namespace tz
