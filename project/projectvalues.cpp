#include "project/projectvalues.h"

#include <QRegularExpression>

namespace tz {

bool isWellFormedDesignation(const QString& designation) {
    static const QRegularExpression form(QStringLiteral("^RU\\.[0-9]{8}\\.[0-9]{5}-[0-9]{2}$"));
    return form.match(designation).hasMatch();
}

} // namespace tz
