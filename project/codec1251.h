#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tz {

// Windows-1251 with a lookup table built once from QTextCodec, so that every byte 1..255
// (0x98 included) round-trips and unencodable characters can be named to the user.
QString decode1251(QByteArrayView bytes);

struct Encoded1251 {
    QByteArray bytes;
    // Each character that Windows-1251 cannot hold, once, in order of first appearance;
    // it was written as '?'.
    QString unencodable;
};
Encoded1251 encode1251(QStringView text);
// Writes the text's bytes from `out` on (one byte a character at most) and returns the
// end; characters Windows-1251 cannot hold are added to `unencodable` as encode1251 does.
char* write1251(QStringView text, char* out, QString& unencodable);

// True when the character (a BMP code unit) has a Windows-1251 byte.
bool has1251Byte(char16_t ch);
// The Windows-1251 byte of a character that has one (see has1251Byte).
unsigned char byte1251(char16_t ch);

} // namespace tz
