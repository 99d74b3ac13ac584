#pragma once

#include "structure/menutree.h"

#include <QStringList>

namespace tz {

class Random32;

struct LoadedMenuTree {
    MenuTree tree;
    // The ".Structure" block held lines, so the rewrite is to keep it filled.
    bool hadStructureLines = false;
    // Something in the blocks could not be read as written by the program.
    bool damaged = false;
};

// Rebuilds the tree from the project's ".Structure" and ".Menu" blocks. The structure
// lines give the order and levels of the Uids, the records their texts and Tag; a record
// without a structure line joins the root's children at the end, and a structure line
// without a record gets the default texts. A record whose Uid cannot be read gets a new
// one from the generator. A description of several lines becomes one entry of the
// project text, shared with its record; the text's lines are otherwise left as they are.
LoadedMenuTree loadMenuTree(QStringList& projectText, Random32& random);

} // namespace tz
