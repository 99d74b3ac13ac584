#include "project/projecttext.h"

#include "project/addresses.h"
#include "project/projectkeys.h"

#include <algorithm>

namespace tz {

bool isProjectKey(QStringView line) {
    if (!keys::mayBeKey(line))
        return false;
    const auto same = [&](QStringView key) { return keys::same(line, key); };
    return std::any_of(keys::fixed.begin(), keys::fixed.end(), same) ||
           std::any_of(std::begin(kFields), std::end(kFields),
                       [&](const ProjectField& field) { return same(field.key); });
}

qsizetype findKey(const QStringList& text, QStringView key) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString& line = text.at(i);
        if (line.size() == key.size() && QStringView(line).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QStringList newProjectText(const QString& projectUid) {
    const QString rule(50, u'#');
    QString site = QStringLiteral("# Используйте ПО с сайта ") + addresses::publisherSite();
    site += QString(qMax<qsizetype>(0, 49 - site.size()), u' ') + u'#';
    QStringList text{rule,
                     QStringLiteral("# Не рекомендуется изменять напрямую этот файл   #"),
                     site,
                     rule,
                     QString(),
                     QStringLiteral("# PROJECT INFO ###############################"),
                     keys::ProjectUID,
                     projectUid};
    for (const ProjectField& field : fieldsOf(false))
        text.append(field.key.toString());
    text += {keys::Structure, keys::Menu, keys::Finish};
    return text;
}

void ensureKey(QStringList& text, QString key) {
    if (!key.startsWith(u'.'))
        key.prepend(u'.');
    if (findKey(text, key) >= 0)
        return;
    const qsizetype finish = findKey(text, keys::Finish);
    if (finish > 0) {
        text.insert(finish, key);
        return;
    }
    text.append(key);
    text.append(keys::Finish);
}

QString stripLeadingDots(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text.at(n) == u'.')
        ++n;
    return n == 0 ? text : text.mid(n);
}

bool anyLineBeginsWithDot(QStringView text) {
    if (text.startsWith(u'.'))
        return true;
    // Searching for the point alone is vectorised; long texts have few points.
    for (qsizetype i = text.indexOf(u'.', 1); i >= 0; i = text.indexOf(u'.', i + 1)) {
        if (text[i - 1] == u'\n' || text[i - 1] == u'\r')
            return true;
    }
    return false;
}

QString stripLeadingDotsPerLine(const QString& text) {
    if (!anyLineBeginsWithDot(text))
        return text;
    QString out;
    out.reserve(text.size());
    bool lineStart = true;
    for (const QChar c : text) {
        if (lineStart && c == u'.')
            continue;
        lineStart = c == u'\r' || c == u'\n';
        out.append(c);
    }
    return out;
}

QStringList valueLines(const QStringList& text, QStringView key, bool extended) {
    QStringList lines;
    const qsizetype k = findKey(text, key);
    if (k <= 0)
        return lines;
    for (qsizetype j = k + 1; j <= text.size() - 2 && !keys::endsValueLines(text.at(j), extended);
         ++j)
        lines.append(text.at(j));
    return lines;
}

QString singleValue(const QStringList& text, QStringView key) {
    const QStringList lines = valueLines(text, key);
    return lines.isEmpty() ? QString() : lines.constLast();
}

QString projectCaption(const QString& title) {
    if (title.isEmpty())
        return QStringLiteral("Техническое Задание");
    return QStringLiteral("Техническое Задание к Программе \"") + title + u'"';
}

} // namespace tz
