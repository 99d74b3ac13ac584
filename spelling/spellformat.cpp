#include "spelling/spellformat.h"

namespace tz {

QTextCharFormat misspelledFormat() {
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

} // namespace tz
