#pragma once

#include <QList>
#include <QString>

namespace tz {

// The text the user wrote for a section of the extended document, in place of the one the
// document would hold: the section's heading without its number, and its lines, CR LF
// between them.
struct SectionText {
    QString heading;
    QString text;

    friend bool operator==(const SectionText&, const SectionText&) = default;
};

// The project keeps them as one value: each a line "§ " with the heading, then its lines. A
// line of a text that begins with "§" is kept with a "\" before it, as is one that begins with
// "\"s and a "§", so that it reads back as typed.
QList<SectionText> sectionTexts(const QString& value);
QString sectionsValue(const QList<SectionText>& texts);

// The text the user wrote for the heading; a null string when there is none.
QString sectionText(const QList<SectionText>& texts, const QString& heading);

} // namespace tz
