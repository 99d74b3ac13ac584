#pragma once

#include <QByteArrayView>
#include <QString>

namespace tz {

// A reply body as text: in the charset that the reply's Content-Type names when Qt knows
// it, otherwise (no charset, or one that is unknown) in Windows-1251, the project's own
// code page.
QString decodeReplyText(QByteArrayView body, const QString& contentType);

} // namespace tz
