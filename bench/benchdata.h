#pragma once

#include "project/projecttext.h"

// A tree of four levels with about the given number of items, as the rewrite sees it:
// records in tree order and structure lines in reverse tree order.
struct BenchTree {
    tz::MenuRecords records;
    QStringList structureLines;
};
BenchTree makeBenchTree(int items);

// Page values with a purpose text of the given size.
tz::PageValues makeBenchValues(qsizetype purposeBytes);
