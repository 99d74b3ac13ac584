#include "online/formbody.h"

#include "project/codec1251.h"
#include "project/textlines.h"

namespace tz {
namespace {

bool isUnsafe(unsigned char b) {
    switch (b) {
    case '*':
    case '#':
    case '%':
    case '<':
    case '>':
    case ' ':
    case '[':
    case ']':
        return true;
    default:
        return b < 33 || b > 128;
    }
}

// Spaces and control characters, as the whole text is trimmed of them. DEL is not one:
// it is inside 33..128 and goes unencoded, so trimming it could cut the end of a value.
bool isBlank(unsigned char b) {
    return b <= 0x20;
}

// The entries split where the saved file breaks them: at CR LF, a lone CR or a lone LF.
QStringList fileLines(const QStringList& text) {
    QStringList lines;
    lines.reserve(text.size());
    for (const QString& entry : text)
        lines.append(splitLines(entry));
    return lines;
}

} // namespace

QByteArray percentEncodeFormValue(QByteArrayView bytes) {
    static constexpr char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (isUnsafe(b)) {
            out.append('%');
            out.append(hex[b >> 4]);
            out.append(hex[b & 0x0F]);
        } else {
            out.append(ch);
        }
    }
    return out;
}

QByteArray formBody(const QStringList& projectText) {
    // The lines are joined with a separator that no line can hold (line breaks went into
    // the split, and inside values they are encoded), so that trimming the whole text and
    // turning the separators into "&" afterwards is exact.
    QByteArray text;
    for (const QString& line : fileLines(projectText)) {
        const QByteArray bytes = encode1251(line).bytes;
        const qsizetype eq = bytes.indexOf('=');
        if (eq < 0)
            text += bytes;
        else
            text += bytes.first(eq + 1) + percentEncodeFormValue(bytes.sliced(eq + 1));
        text += '\n';
    }
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(static_cast<unsigned char>(text.at(begin))))
        ++begin;
    while (end > begin && isBlank(static_cast<unsigned char>(text.at(end - 1))))
        --end;
    QByteArray body = text.sliced(begin, end - begin);
    body.replace('\n', '&');
    return body;
}

} // namespace tz
