#include "project/codec1251.h"

#include <QTextCodec>

#include <array>
#include <memory>

namespace tz {
namespace {

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::unique_ptr<std::array<std::uint8_t, 65536>> fromUnicode =
        std::make_unique<std::array<std::uint8_t, 65536>>();
    Tables() {
        QTextCodec* codec = QTextCodec::codecForName("Windows-1251");
        fromUnicode->fill(0);
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            const QString u = codec->toUnicode(&c, 1);
            toUnicode[b] = u.size() == 1 ? u.at(0).unicode() : char16_t(0xFFFD);
            if (b != 0 && u.size() == 1)
                (*fromUnicode)[u.at(0).unicode()] = static_cast<std::uint8_t>(b);
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

} // namespace

QString decode1251(QByteArrayView bytes) {
    const Tables& t = tables();
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = t.toUnicode[static_cast<unsigned char>(bytes[i])];
    return out;
}

bool has1251Byte(char16_t ch) {
    return ch == 0 || (*tables().fromUnicode)[ch] != 0;
}

unsigned char byte1251(char16_t ch) {
    return (*tables().fromUnicode)[ch];
}

char* write1251(QStringView text, char* out, QString& unencodable) {
    const auto& table = *tables().fromUnicode;
    const char16_t* chars = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ch = chars[i];
        const std::uint8_t b = table[ch];
        *out++ = static_cast<char>(b);
        if (Q_LIKELY(b != 0 || ch == 0))
            continue;
        // A surrogate pair is one character and becomes one '?'.
        qsizetype len = 1;
        if (QChar::isHighSurrogate(ch) && i + 1 < size && QChar::isLowSurrogate(chars[i + 1]))
            len = 2;
        const QStringView bad = text.mid(i, len);
        if (!unencodable.contains(bad))
            unencodable += bad;
        out[-1] = '?';
        i += len - 1;
    }
    return out;
}

Encoded1251 encode1251(QStringView text) {
    Encoded1251 result;
    result.bytes.resize(text.size());
    char* end = write1251(text, result.bytes.data(), result.unencodable);
    result.bytes.truncate(end - result.bytes.constData());
    return result;
}

} // namespace tz
