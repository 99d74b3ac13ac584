#include "project/sectiontexts.h"

#include "project/textlines.h"

namespace tz {
namespace {

const QString kMark = QStringLiteral("§ ");

// Backslashes, then the mark's sign.
bool needsEscape(QStringView line) {
    qsizetype i = 0;
    while (i < line.size() && line.at(i) == u'\\')
        ++i;
    return i < line.size() && line.at(i) == u'§';
}

} // namespace

QList<SectionText> sectionTexts(const QString& value) {
    QList<SectionText> texts;
    QStringList lines;
    const auto finish = [&] {
        if (!texts.isEmpty())
            texts.last().text = lines.join(QLatin1String("\r\n"));
        lines.clear();
    };
    for (const QString& line : splitLines(value)) {
        if (line.startsWith(kMark)) {
            finish();
            texts.append({line.mid(kMark.size()), QString()});
        } else if (!texts.isEmpty()) {
            lines.append(needsEscape(line) && line.startsWith(u'\\') ? line.mid(1) : line);
        }
    }
    finish();
    return texts;
}

QString sectionsValue(const QList<SectionText>& texts) {
    QStringList lines;
    for (const SectionText& section : texts) {
        lines.append(kMark + section.heading);
        for (const QString& line : splitLines(section.text))
            lines.append(needsEscape(line) ? u'\\' + line : line);
    }
    return lines.join(QLatin1String("\r\n"));
}

QString sectionText(const QList<SectionText>& texts, const QString& heading) {
    for (const SectionText& section : texts) {
        if (section.heading == heading)
            return section.text.isNull() ? QString(QLatin1String("")) : section.text;
    }
    return QString();
}

} // namespace tz
