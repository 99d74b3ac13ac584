#pragma once

#include <QString>
#include <QtGlobal>

namespace tz {

// The record of one item of the program's menu structure.
struct TMyMenuData {
    QString Caption;     // the item's short description, equal to its text in the tree
    QString Description; // may hold CR LF
    qint32 Tag = 0;
    qint32 Uid = 0;

    friend bool operator==(const TMyMenuData&, const TMyMenuData&) = default;
};

} // namespace tz

// Lists of records move them in memory as a whole.
Q_DECLARE_TYPEINFO(tz::TMyMenuData, Q_RELOCATABLE_TYPE);
