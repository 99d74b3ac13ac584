#include "docgen/typography.h"

namespace tz {
namespace {

constexpr char16_t kNoBreak = u'\u00A0';

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool isSpace(QChar c) {
    return c == u' ' || c == kNoBreak;
}

// An initial: a capital letter standing alone as a word, and its point.
bool endsWithInitial(QStringView text, qsizetype end) {
    return end >= 2 && text[end - 1] == u'.' && text[end - 2].isUpper() &&
           (end == 2 || isSpace(text[end - 3]) || text[end - 3] == u'(');
}

bool startsInitial(QStringView text, qsizetype at) {
    return at + 1 < text.size() && text[at].isUpper() && text[at + 1] == u'.';
}

// The word that starts at the position.
QStringView wordAt(QStringView text, qsizetype at) {
    qsizetype end = at;
    while (end < text.size() && text[end].isLetter())
        ++end;
    return text.sliced(at, end - at);
}

// The word that ends at the position.
QStringView wordBefore(QStringView text, qsizetype end) {
    qsizetype start = end;
    while (start > 0 && text[start - 1].isLetter())
        --start;
    return text.sliced(start, end - start);
}

// Words a number is kept with: units and what is counted.
bool isUnit(QStringView word) {
    static const QStringList counted{
        QStringLiteral("минут"),     QStringLiteral("минуты"), QStringLiteral("секунд"),
        QStringLiteral("секунды"),   QStringLiteral("часов"),  QStringLiteral("часа"),
        QStringLiteral("дней"),      QStringLiteral("дня"),    QStringLiteral("человек"),
        QStringLiteral("ядер"),      QStringLiteral("ядра"),   QStringLiteral("точек"),
        QStringLiteral("процентов"), QStringLiteral("байт"),   QStringLiteral("бит"),
        QStringLiteral("лет"),       QStringLiteral("года"),   QStringLiteral("рублей")};
    static const QStringList joining{
        QStringLiteral("в"),   QStringLiteral("во"), QStringLiteral("на"), QStringLiteral("от"),
        QStringLiteral("до"),  QStringLiteral("по"), QStringLiteral("за"), QStringLiteral("и"),
        QStringLiteral("или"), QStringLiteral("с"),  QStringLiteral("со"), QStringLiteral("к"),
        QStringLiteral("о"),   QStringLiteral("об"), QStringLiteral("из"), QStringLiteral("у"),
        QStringLiteral("не"),  QStringLiteral("но"), QStringLiteral("а"),  QStringLiteral("для")};
    return (!word.isEmpty() && word.size() <= 3 && !joining.contains(word)) ||
           counted.contains(word);
}

// Whether the blank at the position keeps the words on either side together.
bool keepsTogether(QStringView text, qsizetype at) {
    if (at == 0 || at + 1 >= text.size())
        return false;
    const QChar before = text[at - 1], after = text[at + 1];
    // A number with the name it belongs to: "№ 14", "Windows 11", "Р 51188-98".
    if (after.isDigit() &&
        (before == u'№' || (before.isLetter() && wordBefore(text, at).front().isUpper())))
        return true;
    if (before.isDigit() && isUnit(wordAt(text, at + 1)))
        return true;
    if (endsWithInitial(text, at) && after.isUpper())
        return true;
    if (before.isLower() && startsInitial(text, at + 1))
        return true;
    return at >= 4 && text.sliced(at - 4, 4) == u"ГОСТ" && (at == 4 || !text[at - 5].isLetter());
}

// A straight quote opens at the start, after a blank or an opening bracket or quote.
bool opens(QStringView text, qsizetype at) {
    if (at == 0)
        return true;
    const QChar before = text[at - 1];
    return isSpace(before) || isLineBreak(before) || before == u'(' || before == u'[' ||
           before == u'«' || before == u'„';
}

} // namespace

QString typeset(const QString& text) {
    QString out;
    qsizetype copied = 0;
    const auto put = [&](qsizetype at, qsizetype length, QStringView with) {
        if (copied == 0 && out.isEmpty())
            out.reserve(text.size() + 16);
        out += QStringView(text).sliced(copied, at - copied);
        out += with;
        copied = at + length;
    };
    int depth = 0;
    const QStringView view(text);
    for (qsizetype i = 0; i < view.size(); ++i) {
        const QChar c = view[i];
        if (isLineBreak(c)) {
            depth = 0;
        } else if (c == u'«' || (c == u'"' && opens(view, i))) {
            const QStringView quote = depth++ > 0 ? u"„" : u"«";
            if (quote != QStringView(&c, 1))
                put(i, 1, quote);
        } else if (c == u'»' || c == u'"') {
            depth = qMax(0, depth - 1);
            const QStringView quote = depth > 0 ? u"“" : u"»";
            if (quote != QStringView(&c, 1))
                put(i, 1, quote);
        } else if (c == u' ' && i + 2 < view.size() &&
                   (view[i + 1] == u'-' || view[i + 1] == u'—') && view[i + 2] == u' ' && i > 0 &&
                   !isSpace(view[i - 1])) {
            put(i, 2, u"\u00A0—");
            ++i;
        } else if (c == u' ' && keepsTogether(view, i)) {
            put(i, 1, u"\u00A0");
        }
    }
    if (copied == 0 && out.isEmpty())
        return text;
    out += view.sliced(copied);
    return out;
}

void typeset(DocModel& model) {
    const auto all = [](QStringList& texts) {
        for (QString& text : texts)
            text = typeset(text);
    };
    for (Sheet& sheet : model.sheets) {
        for (Block& b : sheet.blocks) {
            b.text = typeset(b.text);
            all(b.left);
            all(b.right);
            for (QStringList& row : b.rows)
                all(row);
        }
    }
}

} // namespace tz
