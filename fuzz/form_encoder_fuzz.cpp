// Percent-decoding each encoded value gives back its bytes exactly, for any bytes:
//  - the value encoder writes only "%" and two upper-case hexadecimal digits for a byte
//    that must be encoded (outside 33..128, or one of "*#%<> []"), and every other byte as
//    it is; decoding its output gives the input;
//  - the submission body of any project text (the first byte picks the byte that separates
//    the entries, the rest is Windows-1251 text whose entries may hold line breaks) reads
//    back as the project's file lines: each line's text up to and including its first "="
//    as it is, the value after it percent-decoding to the value's bytes, the lines joined
//    by "&", and nothing but blanks of the lines missing at the two ends of the body.
#include "docgen/docbuffer.h"
#include "fuzzinput.h"
#include "online/formbody.h"
#include "project/codec1251.h"

#include <vector>

using fuzz::check;

namespace {

bool mustBeEncoded(unsigned char b) {
    return b < 33 || b > 128 || QByteArrayView("*#%<> []").contains(char(b));
}

bool isBlank(unsigned char b) {
    return b <= 0x20;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes one byte of an encoded value at pos, checking that the encoding is the
// canonical one; -1 when there is none.
int decodedByte(QByteArrayView encoded, qsizetype& pos) {
    if (pos >= encoded.size())
        return -1;
    const auto b = static_cast<unsigned char>(encoded.at(pos));
    if (b != '%') {
        check(!mustBeEncoded(b), "a byte that must be encoded never goes as it is");
        ++pos;
        return b;
    }
    check(pos + 2 < encoded.size(), "% is followed by two digits");
    const int high = hexDigit(encoded.at(pos + 1));
    const int low = hexDigit(encoded.at(pos + 2));
    check(high >= 0 && low >= 0, "% is followed by two upper-case hexadecimal digits");
    const int decoded = high * 16 + low;
    check(mustBeEncoded(static_cast<unsigned char>(decoded)),
          "only bytes that must be are encoded");
    pos += 3;
    return decoded;
}

void checkValueEncoding(QByteArrayView value) {
    const QByteArray encoded = tz::percentEncodeFormValue(value);
    qsizetype pos = 0;
    for (const char expected : value)
        check(decodedByte(encoded, pos) == static_cast<unsigned char>(expected),
              "the encoded value decodes to its bytes");
    check(pos == encoded.size(), "the encoded value holds nothing more");
}

// One byte of the body before trimming and with "\n" between the lines: a byte of a line
// that goes as it is, or a byte of a value.
struct Expected {
    unsigned char byte;
    bool value;
};

void checkBody(const QStringList& project) {
    std::vector<Expected> expected;
    for (const QString& entry : project) {
        for (const QString& line : tz::splitLines(entry)) {
            const QByteArray bytes = tz::encode1251(line).bytes;
            const qsizetype eq = bytes.indexOf('=');
            for (qsizetype i = 0; i < bytes.size(); ++i)
                expected.push_back({static_cast<unsigned char>(bytes.at(i)), eq >= 0 && i > eq});
            expected.push_back({'\n', false});
        }
    }
    // Blanks at the ends are trimmed; a value has none once encoded.
    qsizetype first = 0;
    while (first < qsizetype(expected.size()) && !expected[first].value &&
           isBlank(expected[first].byte))
        ++first;
    qsizetype last = qsizetype(expected.size());
    while (last > first && !expected[last - 1].value && isBlank(expected[last - 1].byte))
        --last;

    const QByteArray body = tz::formBody(project);
    qsizetype pos = 0;
    for (qsizetype i = first; i < last; ++i) {
        const Expected& e = expected[i];
        if (e.value) {
            check(decodedByte(body, pos) == e.byte, "each value decodes to its bytes");
            continue;
        }
        const char plain = e.byte == '\n' ? '&' : char(e.byte);
        check(pos < body.size() && body.at(pos) == plain, "the text outside values is kept");
        ++pos;
    }
    check(pos == body.size(), "the body holds nothing more");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkValueEncoding(bytes);
    if (bytes.isEmpty())
        return 0;
    const QString text = tz::decode1251(bytes.sliced(1));
    checkBody(text.split(tz::decode1251(bytes.first(1))));
    return 0;
}
