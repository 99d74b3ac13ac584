#pragma once

#include "project/projecttext.h"
#include "project/valueescape.h"

// The rewrite done the slow, literal way: one deletion and one insertion at a time. The
// fast rewrite must give exactly the same text.
inline void referenceRenew(QStringList& t, const tz::ProjectValues& v, const QStringList& structure,
                           const tz::MenuRecords& menu) {
    for (const char* key : {"NewTitle", "Title", "Description", "CompanyName", "CompanyURL",
                            "CompanyEMail", "CompanyPhone", "CompanyInfo", "Structure", "Menu"})
        tz::ensureKey(t, QString::fromLatin1(key));
    if (tz::isProjectKey(t.constLast()) &&
        t.constLast().compare(u".NewTitle", Qt::CaseInsensitive) != 0 &&
        t.constLast().compare(u".Finish", Qt::CaseInsensitive) != 0 &&
        t.constLast().compare(u".ProjectUID", Qt::CaseInsensitive) != 0)
        t.append(QStringLiteral(".Finish"));
    auto dot = [](const QString& s) { return s.startsWith(u'.'); };
    auto firstLineLength = [](const QString& s) {
        const qsizetype cr = s.indexOf(u'\r'), lf = s.indexOf(u'\n');
        qsizetype end = s.size();
        if (cr >= 0)
            end = qMin(end, cr);
        if (lf >= 0)
            end = qMin(end, lf);
        return end;
    };
    const QList<std::pair<QString, QString>> simple = {
        {".Title", tz::escapeValueLines(tz::stripLeadingDots(v.title))},
        {".Description", tz::escapeValueLines(tz::stripLeadingDotsPerLine(v.description))},
        {".CompanyName", tz::escapeValueLines(v.companyName)},
        {".CompanyURL", tz::escapeValueLines(v.companyURL)},
        {".CompanyEMail", tz::escapeValueLines(v.companyEMail)},
        {".CompanyPhone", tz::escapeValueLines(v.companyPhone)},
        {".CompanyInfo", tz::escapeValueLines(v.companyInfo)}};
    for (const auto& [key, value] : simple) {
        const qsizetype k = tz::findKey(t, key);
        while (k + 1 < t.size() - 1 && !dot(t.at(k + 1)))
            t.removeAt(k + 1);
        t.insert(k + 1, value);
    }
    qsizetype k = tz::findKey(t, u".Structure");
    while (k + 1 < t.size() - 1 && !dot(t.at(k + 1)))
        t.removeAt(k + 1);
    for (const QString& line : structure)
        t.insert(k + 1, line);
    k = tz::findKey(t, u".Menu");
    while (k + 1 < t.size() - 1 && !(dot(t.at(k + 1)) && firstLineLength(t.at(k + 1)) > 2))
        t.removeAt(k + 1);
    for (const tz::TMyMenuData& r : menu) {
        for (const QString& line :
             {QString::number(r.Tag), QStringLiteral(".l"), tz::escapeValueLines(r.Description),
              QStringLiteral(".d"), tz::escapeValueLines(r.Caption), QStringLiteral(".c"),
              QString::number(r.Uid), QStringLiteral(".u")})
            t.insert(k + 1, line);
    }
}
