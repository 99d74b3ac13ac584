#pragma once

#include "project/projecttext.h"
#include "project/projectvalues.h"
#include "project/valueescape.h"

#include <QRegularExpression>

// The rewrite done the slow, literal way: one deletion and one insertion at a time. The
// fast rewrite must give exactly the same text.
inline void referenceRenew(QStringList& t, const tz::ProjectValues& v, const QStringList& structure,
                           const tz::MenuRecords& menu, bool extended = false) {
    const QStringList extendedKeys{".OS",        ".OSOther",  ".Hardware",    ".Staff",
                                   ".Customer",  ".AgreedBy", ".ApprovedBy",  ".Designation",
                                   ".Basis",     ".Executor", ".ProgramType", ".Database",
                                   ".Documents", ".Stages",   ".Sections"};
    const auto pair = [](const QString& first, const QString& second) {
        return first.isEmpty() && second.isEmpty() ? QString() : first + "\r\n" + second;
    };
    const QStringList extendedValues{v.os,
                                     v.osOther,
                                     v.hardware,
                                     v.staff,
                                     v.customer,
                                     pair(v.agreedPosition, v.agreedName),
                                     pair(v.approvedPosition, v.approvedName),
                                     v.designation,
                                     v.basis,
                                     v.executor,
                                     v.programType,
                                     v.database,
                                     v.documents,
                                     v.stages,
                                     v.sections};
    for (const char* key : {"NewTitle", "Title", "Description", "CompanyName", "CompanyURL",
                            "CompanyEMail", "CompanyPhone", "CompanyInfo", "Structure", "Menu"})
        tz::ensureKey(t, QString::fromLatin1(key));
    for (qsizetype e = extended ? extendedKeys.size() - 1 : -1; e >= 0; --e) {
        if (tz::findKey(t, extendedKeys[e]) >= 0 || extendedValues[e].isEmpty())
            continue;
        qsizetype at = tz::findKey(t, u".NewTitle");
        for (qsizetype later = e + 1; later < extendedKeys.size(); ++later) {
            const qsizetype next = tz::findKey(t, extendedKeys[later]);
            if (next >= 0 && next < at)
                at = next;
        }
        t.insert(at, extendedKeys[e]);
    }
    const QStringList rewritten =
        QStringList{".Title",        ".Description", ".CompanyName", ".CompanyURL", ".CompanyEMail",
                    ".CompanyPhone", ".CompanyInfo", ".Structure",   ".Menu"} +
        (extended ? extendedKeys : QStringList());
    if (rewritten.contains(t.constLast(), Qt::CaseInsensitive))
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
    QList<std::pair<QString, QString>> blocks = simple;
    for (qsizetype e = 0; extended && e < extendedKeys.size(); ++e) {
        if (tz::findKey(t, extendedKeys[e]) >= 0)
            blocks.append({extendedKeys[e], tz::escapeValueLines(extendedValues[e])});
    }
    // The extended mode reads a value on over lines that begin with "." but cannot be keys.
    const QRegularExpression keyForm(QStringLiteral("^\\.[A-Za-z]+$"));
    auto endsValue = [&](const QString& s) {
        return extended ? keyForm.match(s).hasMatch() : dot(s);
    };
    for (const auto& [key, value] : blocks) {
        const qsizetype k = tz::findKey(t, key);
        while (k + 1 < t.size() - 1 && !endsValue(t.at(k + 1)))
            t.removeAt(k + 1);
        t.insert(k + 1, value);
    }
    qsizetype k = tz::findKey(t, u".Structure");
    while (k + 1 < t.size() - 1 && !dot(t.at(k + 1)))
        t.removeAt(k + 1);
    for (const QString& line : structure)
        t.insert(k + 1, line);
    // ".Menu" ends where a line that begins with "." and is longer than two characters stands,
    // but a caption takes every line up to its record's ".d" and a description every line up
    // to its ".l" when that tag stands before the next key line of the project.
    k = tz::findKey(t, u".Menu");
    const qsizetype last = t.size() - 1;
    auto closing = [&](qsizetype from, QStringView tag) -> qsizetype {
        for (qsizetype j = from; j < last && !tz::isProjectKey(t.at(j)); ++j) {
            if (t.at(j) == tag)
                return j;
        }
        return -1;
    };
    bool open = false;
    int field = 0; // 0 Uid, 1 caption, 2 description, 3 Tag
    qsizetype end = k + 1;
    while (end < last) {
        const QString& s = t.at(end);
        if (s == u".u") {
            open = true;
            field = 0;
        } else if (dot(s) && firstLineLength(s) > 2) {
            break;
        } else if (open && (s == u".c" || s == u".d" || s == u".l")) {
            const int tag = s == u".c" ? 1 : s == u".d" ? 2 : 3;
            const qsizetype to =
                tag == field + 1 && tag < 3 ? closing(end + 1, tag == 1 ? u".d" : u".l") : -1;
            field = tag;
            if (to >= 0) {
                end = to;
                continue;
            }
        }
        ++end;
    }
    for (qsizetype n = end - k - 1; n > 0; --n)
        t.removeAt(k + 1);
    for (const tz::TMyMenuData& r : menu) {
        for (const QString& line :
             {QString::number(r.Tag), QStringLiteral(".l"), tz::escapeValueLines(r.Description),
              QStringLiteral(".d"), tz::escapeValueLines(r.Caption), QStringLiteral(".c"),
              QString::number(r.Uid), QStringLiteral(".u")})
            t.insert(k + 1, line);
    }
}
