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

inline const std::array<const QString*, 12> all = {
    &ProjectUID,   &Title,       &Description, &CompanyName, &CompanyURL, &CompanyEMail,
    &CompanyPhone, &CompanyInfo, &Structure,   &Menu,        &NewTitle,   &Finish};

// The keys that every rewrite makes sure of, in the order it does so.
inline const std::array<const QString*, 10> ensured = {
    &NewTitle,     &Title,        &Description, &CompanyName, &CompanyURL,
    &CompanyEMail, &CompanyPhone, &CompanyInfo, &Structure,   &Menu};

// The blocks a rewrite writes, in the order it takes their values.
inline const std::array<const QString*, 9> rewritten = {&Title,       &Description,  &CompanyName,
                                                        &CompanyURL,  &CompanyEMail, &CompanyPhone,
                                                        &CompanyInfo, &Structure,    &Menu};

inline bool same(QStringView line, const QString& key) {
    return line.size() == key.size() && line.compare(key, Qt::CaseInsensitive) == 0;
}

// Key lines are 5 to 13 characters long and begin with ".".
inline bool mayBeKey(QStringView line) {
    return line.size() >= 5 && line.size() <= 13 && line.at(0) == u'.';
}

} // namespace tz::keys
