#pragma once

// What the targets share: turning the fuzz bytes into texts, and failing loudly.
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// A broken invariant is a crash, so that libFuzzer keeps the input; the name says which.
inline void check(bool condition, const char* invariant) {
    if (condition)
        return;
    std::fprintf(stderr, "broken invariant: %s\n", invariant);
    std::abort();
}

// The bytes as little-endian UTF-16 code units (any unit, lone surrogates included), cut
// into the given number of texts. Each text but the last is led by one unit whose value,
// modulo what is left, is its length; the last text takes the rest.
inline QList<QString> utf16Texts(const uint8_t* data, size_t size, int count) {
    QString units;
    units.reserve(qsizetype(size / 2));
    for (size_t i = 0; i + 1 < size; i += 2)
        units.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    QList<QString> texts;
    qsizetype pos = 0;
    for (int i = 0; i + 1 < count; ++i) {
        if (pos >= units.size()) {
            texts.append(QString());
            continue;
        }
        const qsizetype left = units.size() - pos - 1;
        const qsizetype length = units.at(pos).unicode() % (left + 1);
        texts.append(units.mid(pos + 1, length));
        pos += 1 + length;
    }
    texts.append(units.mid(pos));
    return texts;
}

} // namespace fuzz
