#include "project/projectvalues.h"

#include "project/projectkeys.h"
#include "project/projecttext.h"
#include "project/valueescape.h"

#include <QRegularExpression>

namespace tz {
namespace {

QStringList typedLines(const QStringList& text, QStringView key) {
    QStringList lines = valueLines(text, key);
    for (QString& line : lines)
        line = unescapeValueLines(line);
    return lines;
}

QString oneLine(const QStringList& text, QStringView key) {
    const QStringList lines = typedLines(text, key);
    return lines.isEmpty() ? QString() : lines.constLast();
}

QString allLines(const QStringList& text, QStringView key) {
    const QStringList lines = typedLines(text, key);
    return lines.size() == 1 ? lines.constFirst() : lines.join(QLatin1String("\r\n"));
}

Signatory signatory(const QStringList& text, QStringView key) {
    const QStringList lines = typedLines(text, key);
    return {lines.value(0), lines.value(1)};
}

QString joined(const Signatory& s) {
    return s.isEmpty() ? QString() : s.position + QLatin1String("\r\n") + s.name;
}

} // namespace

ProjectValues readProjectValues(const QStringList& text, bool extended) {
    ProjectValues v;
    v.title = oneLine(text, keys::Title);
    v.description = allLines(text, keys::Description);
    v.companyName = oneLine(text, keys::CompanyName);
    v.companyURL = oneLine(text, keys::CompanyURL);
    v.companyEMail = oneLine(text, keys::CompanyEMail);
    v.companyPhone = oneLine(text, keys::CompanyPhone);
    v.companyInfo = allLines(text, keys::CompanyInfo);
    if (!extended)
        return v;
    for (const QString& system : typedLines(text, keys::OS)) {
        if (!system.isEmpty())
            v.os.append(system);
    }
    v.osOther = oneLine(text, keys::OSOther);
    v.hardware = allLines(text, keys::Hardware);
    v.staff = allLines(text, keys::Staff);
    v.customer = oneLine(text, keys::Customer);
    v.agreedBy = signatory(text, keys::AgreedBy);
    v.approvedBy = signatory(text, keys::ApprovedBy);
    v.designation = oneLine(text, keys::Designation);
    v.basis = allLines(text, keys::Basis);
    return v;
}

QString extendedEntry(const ProjectValues& v, std::size_t block) {
    switch (block) {
    case 0:
        return v.os.join(QLatin1String("\r\n"));
    case 1:
        return v.osOther;
    case 2:
        return v.hardware;
    case 3:
        return v.staff;
    case 4:
        return v.customer;
    case 5:
        return joined(v.agreedBy);
    case 6:
        return joined(v.approvedBy);
    case 7:
        return v.designation;
    default:
        return v.basis;
    }
}

bool isWellFormedDesignation(const QString& designation) {
    static const QRegularExpression form(QStringLiteral("^RU\\.[0-9]{8}\\.[0-9]{5}-[0-9]{2}$"));
    return form.match(designation).hasMatch();
}

} // namespace tz
