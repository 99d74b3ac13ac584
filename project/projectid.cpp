#include "project/projectid.h"

namespace tz {

QString makeProjectId(const QDate& date, Random32& random) {
    QString id = QString::number(date.year()) + QStringLiteral("%1%2")
                                                    .arg(date.month(), 2, 10, QLatin1Char('0'))
                                                    .arg(date.day(), 2, 10, QLatin1Char('0'));
    if (id.size() != 8)
        id = QString::number(10000000u + random.below(89999999u));
    id += QString::number(100000u + random.below(899999u));
    id += QString::number(100000u + random.below(899999u));
    return id;
}

} // namespace tz
