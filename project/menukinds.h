#pragma once

#include "project/menurecord.h"

#include <QHash>
#include <QString>

namespace tz {

class MenuTree;

// Each item's kind by its Uid.
using MenuKinds = QHash<qint32, MenuKind>;

// The kinds as the project keeps them: one line per item in tree order, its Uid, a blank
// and the letter of the kind it shows.
QString kindLines(const MenuTree& tree);
// The kinds of the lines that read as such; others are skipped.
MenuKinds readKinds(QStringView lines);

} // namespace tz
