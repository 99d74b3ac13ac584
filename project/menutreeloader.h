#pragma once

#include "project/menukinds.h"
#include "project/menutree.h"

#include <QStringList>

namespace tz {

class Random32;

struct LoadedMenuTree {
    MenuTree tree;
    // The ".Structure" block held lines, so the rewrite is to keep it filled.
    bool hadStructureLines = false;
    // Something in the blocks could not be read as written by the program.
    bool damaged = false;
    // Items deeper than the editor's deepest level were put at that level, in their order.
    bool flattened = false;
};

// Rebuilds the tree from the project's ".Structure" and ".Menu" blocks. The structure
// lines give the order and levels of the Uids, the records their texts and Tag; a record
// without a structure line joins the root's children at the end, and a structure line
// without a record gets the default texts. A record whose Uid cannot be read gets a new
// one from the generator. Nothing goes as deep as the file: items deeper than the editor
// adds them come at its deepest level, after the item before them, so that no walk over the
// tree (its view, the document's numbering, taking it apart) recurses as deep as the input
// and no item costs more than its depth in the editor. Items take their kinds by Uid.
LoadedMenuTree loadMenuTree(const QStringList& projectText, Random32& random,
                            const MenuKinds& kinds = {});
// As loadMenuTree; a description of several lines then stands in the project text once, as
// one entry shared with its record, the way a rewrite writes it. The file is the same.
LoadedMenuTree loadMenuTreeSharing(QStringList& projectText, Random32& random,
                                   const MenuKinds& kinds = {});

} // namespace tz
