#pragma once

#include "project/menuedit.h"
#include "project/projectvalues.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tz {

// True when the line is one of the project's key lines (letter case ignored).
bool isProjectKey(QStringView line);
// Position of the first line equal to the key, letter case ignored; -1 when there is none.
qsizetype findKey(const QStringList& text, QStringView key);

// The 18 lines of a new project with the given identifier.
QStringList newProjectText(const QString& projectUid);

// Makes sure a key line exists (before ".Finish", or appended with a new ".Finish").
void ensureKey(QStringList& text, QString key);

// Rewrites every block of the project text from the values given; in the extended mode also
// the extended blocks. Runs in time linear in the size of the text and of the values.
void renewProjectText(QStringList& text, const ProjectValues& values,
                      const QStringList& structureLines, const MenuRecords& menu,
                      bool extended = false);

// Removes every leading "." of the text, or of each of its lines.
QString stripLeadingDots(const QString& text);
QString stripLeadingDotsPerLine(const QString& text);
bool anyLineBeginsWithDot(QStringView text);

// The value lines of a key under the pages' reading rule: after a key found at a position
// greater than 0, lines up to the next one beginning with "." and never the last line. The
// extended mode reads on over lines that begin with "." but cannot be keys (projectkeys.h).
QStringList valueLines(const QStringList& text, QStringView key, bool extended = false);
// The last value line (one-line fields); empty when there is none.
QString singleValue(const QStringList& text, QStringView key);

// "Техническое Задание к Программе "title"", or "Техническое Задание" for an empty title.
QString projectCaption(const QString& title);

} // namespace tz
