#pragma once

#include "project/random32.h"

#include <QDate>
#include <QString>

namespace tz {

// The 20-digit project identifier: yyyymmdd of the creation date (or a random eight-digit
// number when the year has not four digits) followed by two random six-digit numbers.
QString makeProjectId(const QDate& date, Random32& random);

} // namespace tz
