#pragma once

#include "project/projecttext.h"

// A tree of four levels with about the given number of items, as the rewrite sees it:
// records in tree order and structure lines in reverse tree order. Each description has
// the given number of lines.
struct BenchTree {
    tz::MenuRecords records;
    QStringList structureLines;
};
BenchTree makeBenchTree(int items, int descriptionLines = 2);

// Page values with a purpose text of the given size.
tz::ProjectValues makeBenchValues(qsizetype purposeBytes);

constexpr qsizetype kMebibyte = 1 << 20;

// The project text of a project with the tree and the values, as the wizard writes it.
QStringList makeBenchProject(int items, qsizetype purposeBytes);
// A project of exactly the given size: 1,000 items a MiB whose descriptions fill the file
// (100,000 items of about 1 KiB in 100 MiB), a 1 MiB purpose and a company text that
// makes up the last bytes.
QStringList makeProjectOfSize(qsizetype fileBytes);
// A project of exactly the given size whose purpose fills it: lines of 144 characters, words
// of Cyrillic text, as typed (about 700,000 lines in 100 MiB).
QStringList makePurposeProjectOfSize(qsizetype fileBytes);
// Writes the text as a project file; false when it could not be written.
bool writeBenchProject(const QString& path, const QStringList& text);
// Writes the project that make() gives for the size, in a child process, so that the memory
// its text took is not counted as the benchmark's; false unless the file has that size.
bool writeSizedProjectApart(const QString& path, QStringList (*make)(qsizetype),
                            qsizetype fileBytes);
