#pragma once

#include <QString>

#include <array>

namespace tz::keys {

inline const QString ProjectUID = QStringLiteral(".ProjectUID");
inline const QString Title = QStringLiteral(".Title");
inline const QString Description = QStringLiteral(".Description");
inline const QString CompanyName = QStringLiteral(".CompanyName");
inline const QString CompanyURL = QStringLiteral(".CompanyURL");
inline const QString CompanyEMail = QStringLiteral(".CompanyEMail");
inline const QString CompanyPhone = QStringLiteral(".CompanyPhone");
inline const QString CompanyInfo = QStringLiteral(".CompanyInfo");
inline const QString Structure = QStringLiteral(".Structure");
inline const QString Menu = QStringLiteral(".Menu");
inline const QString NewTitle = QStringLiteral(".NewTitle");
inline const QString Finish = QStringLiteral(".Finish");
// The extended mode's blocks, which stand before ".NewTitle".
inline const QString OS = QStringLiteral(".OS");
inline const QString OSOther = QStringLiteral(".OSOther");
inline const QString Hardware = QStringLiteral(".Hardware");
inline const QString Staff = QStringLiteral(".Staff");
inline const QString Customer = QStringLiteral(".Customer");
inline const QString AgreedBy = QStringLiteral(".AgreedBy");
inline const QString ApprovedBy = QStringLiteral(".ApprovedBy");
inline const QString Designation = QStringLiteral(".Designation");
inline const QString Basis = QStringLiteral(".Basis");

inline const std::array<const QString*, 21> all = {
    &ProjectUID,  &Title,     &Description, &CompanyName, &CompanyURL, &CompanyEMail, &CompanyPhone,
    &CompanyInfo, &Structure, &Menu,        &NewTitle,    &Finish,     &OS,           &OSOther,
    &Hardware,    &Staff,     &Customer,    &AgreedBy,    &ApprovedBy, &Designation,  &Basis};

// The keys that every rewrite makes sure of, in the order it does so.
inline const std::array<const QString*, 10> ensured = {
    &NewTitle,     &Title,        &Description, &CompanyName, &CompanyURL,
    &CompanyEMail, &CompanyPhone, &CompanyInfo, &Structure,   &Menu};

// The extended mode's blocks in their order in the file; each is written from the first
// extended-mode rewrite that has a value for it.
inline const std::array<const QString*, 9> extended = {
    &OS, &OSOther, &Hardware, &Staff, &Customer, &AgreedBy, &ApprovedBy, &Designation, &Basis};

// The blocks a rewrite writes, in the order it takes their values.
inline const std::array<const QString*, 9> rewritten = {&Title,       &Description,  &CompanyName,
                                                        &CompanyURL,  &CompanyEMail, &CompanyPhone,
                                                        &CompanyInfo, &Structure,    &Menu};

inline bool same(QStringView line, const QString& key) {
    return line.size() == key.size() && line.compare(key, Qt::CaseInsensitive) == 0;
}

// Key lines are 3 to 13 characters long and begin with ".".
constexpr qsizetype longestKey = 13;
inline bool mayBeKey(QStringView line) {
    return line.size() >= 3 && line.size() <= longestKey && line.at(0) == u'.';
}

} // namespace tz::keys
