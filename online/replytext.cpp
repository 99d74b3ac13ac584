#include "online/replytext.h"

#include "project/codec1251.h"

#include <QTextCodec>

namespace tz {
namespace {

QByteArray charsetOf(const QString& contentType) {
    const QStringList parts = contentType.split(u';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString param = parts.at(i).trimmed();
        const qsizetype eq = param.indexOf(u'=');
        if (eq < 0 || param.first(eq).trimmed().compare(u"charset", Qt::CaseInsensitive) != 0)
            continue;
        QString value = param.sliced(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.sliced(1, value.size() - 2);
        return value.toLatin1();
    }
    return {};
}

} // namespace

QString decodeReplyText(QByteArrayView body, const QString& contentType) {
    const QByteArray charset = charsetOf(contentType);
    QTextCodec* codec = charset.isEmpty() ? nullptr : QTextCodec::codecForName(charset);
    // The own table keeps every byte, 0x98 included, where the codec would not.
    if (!codec || codec->mibEnum() == 2251)
        return decode1251(body);
    return codec->toUnicode(body.data(), int(body.size()));
}

} // namespace tz
