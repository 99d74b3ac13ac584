#pragma once

#include <QString>
#include <QtGlobal>

namespace tz {

// What an item of the menu stands for, by the letter the project keeps for it.
enum class MenuKind : char {
    Submenu = 's',
    UserFunction = 'u',     // a function to be developed
    StandardFunction = 'f', // a ready-made one from the catalogue, named by the caption
};

// The record of one item of the program's menu structure.
struct TMyMenuData {
    QString Caption;     // the item's short description, equal to its text in the tree
    QString Description; // may hold CR LF
    qint32 Tag = 0;
    qint32 Uid = 0;
    // Only the extended mode shows and keeps it; an item with children is a submenu
    // whatever it holds (MenuNode::kind).
    MenuKind Kind = MenuKind::UserFunction;

    friend bool operator==(const TMyMenuData&, const TMyMenuData&) = default;
};

} // namespace tz

// Lists of records move them in memory as a whole.
Q_DECLARE_TYPEINFO(tz::TMyMenuData, Q_RELOCATABLE_TYPE);
