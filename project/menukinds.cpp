#include "project/menukinds.h"

#include "project/menutree.h"
#include "project/textlines.h"

namespace tz {

QString kindLines(const MenuTree& tree) {
    QString lines;
    // An eight-digit Uid, a blank, the letter and CR LF.
    lines.reserve(12 * tree.records().size());
    forEachBelow(tree.root(), [&](const MenuNode* item, int) {
        if (!lines.isEmpty())
            lines.append(u"\r\n");
        lines.append(QString::number(item->record()->Uid));
        lines.append(u' ');
        lines.append(QChar(char16_t(item->kind())));
    });
    return lines;
}

MenuKinds readKinds(QStringView lines) {
    MenuKinds kinds;
    forEachLine(lines, [&](QStringView line) {
        const qsizetype blank = line.indexOf(u' ');
        bool read = false;
        const qint32 uid = blank > 0 ? line.left(blank).toInt(&read) : 0;
        const QStringView letter = line.mid(blank + 1);
        if (!read || letter.size() != 1)
            return;
        for (const MenuKind kind :
             {MenuKind::Submenu, MenuKind::UserFunction, MenuKind::StandardFunction}) {
            if (letter.at(0) == QChar(char16_t(kind)))
                kinds.insert(uid, kind);
        }
    });
    return kinds;
}

} // namespace tz
