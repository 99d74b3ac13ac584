#include "project/menukinds.h"

#include "project/menutree.h"
#include "project/textlines.h"

#include <charconv>

namespace tz {

// Written character by character into storage taken once: the value is made anew after
// every change of a large tree's structure.
QString kindLines(const MenuTree& tree) {
    QString lines(16 * tree.records().size(), Qt::Uninitialized);
    QChar* const begin = lines.data();
    QChar* out = begin;
    forEachBelow(tree.root(), [&](const MenuNode* item, int) {
        if (out != begin) {
            *out++ = u'\r';
            *out++ = u'\n';
        }
        char digits[12];
        const auto written = std::to_chars(digits, digits + sizeof digits, item->record()->Uid).ptr;
        for (const char* digit = digits; digit != written; ++digit)
            *out++ = QLatin1Char(*digit);
        *out++ = u' ';
        *out++ = QChar(char16_t(item->kind()));
    });
    lines.truncate(out - begin);
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
