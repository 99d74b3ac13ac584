#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace tz {

// The value part of a form line: every byte outside 33..128 and each of "*#%<> []" as
// "%" and two upper-case hexadecimal digits, every other byte as it is.
QByteArray percentEncodeFormValue(QByteArrayView bytes);

// The submission body, in Windows-1251, built from a copy of the project text. Each file
// line (an entry holding line breaks counts as the lines it is saved as) becomes one item;
// in a line with "=", the text after the first "=" is percent-encoded. The items are joined
// with "&" once spaces and control characters at both ends of the whole text are removed.
QByteArray formBody(const QStringList& projectText);

} // namespace tz
