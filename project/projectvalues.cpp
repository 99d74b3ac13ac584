#include "project/projectvalues.h"

#include <QRegularExpression>

namespace tz {

namespace {

const QString kDesignation = QStringLiteral("(?:RU|643)\\.[0-9]{8}\\.[0-9]{5}-[0-9]{2}");

} // namespace

bool isWellFormedDesignation(const QString& designation) {
    static const QRegularExpression form(u'^' + kDesignation + u'$');
    return form.match(designation).hasMatch();
}

QString designationOnly(const QString& typed) {
    static const QRegularExpression full(QStringLiteral("^\\s*(") + kDesignation +
                                         QStringLiteral(")\\s+ТЗ\\s+[0-9]{2}(?:-ЛУ)?\\s*$"));
    const QRegularExpressionMatch match = full.match(typed);
    return match.hasMatch() ? match.captured(1) : typed;
}

} // namespace tz
