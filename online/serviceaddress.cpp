#include "online/serviceaddress.h"

#include "project/addresses.h"

namespace tz {

QString buildServiceAddress() {
    const QString own = qEnvironmentVariable("TZWIZARD_BUILD_URL").trimmed();
    return own.isEmpty() ? addresses::buildServiceBase() : own;
}

QUrl serviceUrl(const QString& base, const QString& rest) {
    QString text = base;
    while (text.endsWith(u'/'))
        text.chop(1);
    return QUrl(text + rest, QUrl::TolerantMode);
}

} // namespace tz
