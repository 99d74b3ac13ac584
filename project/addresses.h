#pragma once

#include <QString>

// The program's fixed addresses, kept in one place until the project has its own domain.
namespace tz::addresses {

// The publisher's web site; it also has to fit the 50-column header of a project file.
inline QString publisherSite() {
    return QStringLiteral("http://www.example.org");
}
inline QString supportEmail() {
    return QStringLiteral("support@example.org");
}
// The maker's domain, as named in the build client's User-Agent.
inline QString makerDomain() {
    return QStringLiteral("example.org");
}
// Base address of the online build service; TZWIZARD_BUILD_URL overrides it at run time.
inline QString buildServiceBase() {
    return QStringLiteral("http://build.example.org");
}

} // namespace tz::addresses
