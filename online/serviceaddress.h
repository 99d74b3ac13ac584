#pragma once

#include <QString>
#include <QUrl>

namespace tz {

// The build service's base address: TZWIZARD_BUILD_URL when it is set and not empty,
// otherwise the program's own.
QString buildServiceAddress();

// The base address followed directly by the rest ("/add/", "/status/?" and the project
// identifier). A slash that ends the base is dropped so that "http://host/" works too.
// Qt keeps the text as written; it only encodes what a URL cannot hold (a space, say).
QUrl serviceUrl(const QString& base, const QString& rest);

} // namespace tz
