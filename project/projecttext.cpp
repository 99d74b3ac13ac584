#include "project/projecttext.h"

#include "project/addresses.h"

#include <algorithm>
#include <array>

namespace tz {
namespace {

const QString kProjectUID = QStringLiteral(".ProjectUID");
const QString kTitle = QStringLiteral(".Title");
const QString kDescription = QStringLiteral(".Description");
const QString kCompanyName = QStringLiteral(".CompanyName");
const QString kCompanyURL = QStringLiteral(".CompanyURL");
const QString kCompanyEMail = QStringLiteral(".CompanyEMail");
const QString kCompanyPhone = QStringLiteral(".CompanyPhone");
const QString kCompanyInfo = QStringLiteral(".CompanyInfo");
const QString kStructure = QStringLiteral(".Structure");
const QString kMenu = QStringLiteral(".Menu");
const QString kNewTitle = QStringLiteral(".NewTitle");
const QString kFinish = QStringLiteral(".Finish");

const std::array<const QString*, 12> kAllKeys = {
    &kProjectUID,   &kTitle,       &kDescription, &kCompanyName, &kCompanyURL, &kCompanyEMail,
    &kCompanyPhone, &kCompanyInfo, &kStructure,   &kMenu,        &kNewTitle,   &kFinish};

// The keys that every rewrite makes sure of, in the order it does so.
const std::array<const QString*, 10> kEnsured = {
    &kNewTitle,     &kTitle,        &kDescription, &kCompanyName, &kCompanyURL,
    &kCompanyEMail, &kCompanyPhone, &kCompanyInfo, &kStructure,   &kMenu};

bool sameKey(QStringView line, const QString& key) {
    return line.size() == key.size() && line.compare(key, Qt::CaseInsensitive) == 0;
}

bool beginsWithDot(const QString& entry) {
    return !entry.isEmpty() && entry.at(0) == u'.';
}

// Inside ".Menu" only a line that begins with "." and is longer than two characters ends
// the block; the record tags ".u", ".c", ".d", ".l" do not. An entry counts by its first line.
bool endsMenuBlock(const QString& entry) {
    if (!beginsWithDot(entry))
        return false;
    qsizetype firstLine = 0;
    while (firstLine < entry.size() && entry.at(firstLine) != u'\r' && entry.at(firstLine) != u'\n')
        ++firstLine;
    return firstLine > 2;
}

// First positions of all keys in one pass; -1 for a missing key.
std::array<qsizetype, kAllKeys.size()> findAllKeys(const QStringList& text) {
    std::array<qsizetype, kAllKeys.size()> found;
    found.fill(-1);
    std::size_t missing = found.size();
    for (qsizetype i = 0; i < text.size() && missing > 0; ++i) {
        const QString& line = text.at(i);
        if (line.size() < 5 || line.size() > 13 || line.at(0) != u'.')
            continue;
        for (std::size_t k = 0; k < kAllKeys.size(); ++k) {
            if (found[k] < 0 && sameKey(line, *kAllKeys[k])) {
                found[k] = i;
                --missing;
                break;
            }
        }
    }
    return found;
}

std::size_t keyIndex(const QString* key) {
    return std::find(kAllKeys.begin(), kAllKeys.end(), key) - kAllKeys.begin();
}

bool isRewrittenKey(const QString& line) {
    return line != kNewTitle &&
           std::any_of(kEnsured.begin(), kEnsured.end(),
                       [&](const QString* key) { return sameKey(line, *key); });
}

struct Block {
    qsizetype key; // position of the key line
    qsizetype end; // first position after the old value lines
    QStringList content;
};

} // namespace

bool isProjectKey(QStringView line) {
    if (line.size() < 5 || line.size() > 13 || line.at(0) != u'.')
        return false;
    return std::any_of(kAllKeys.begin(), kAllKeys.end(),
                       [&](const QString* key) { return sameKey(line, *key); });
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
    return {rule,          QStringLiteral("# Не рекомендуется изменять напрямую этот файл   #"),
            site,          rule,
            QString(),     QStringLiteral("# PROJECT INFO ###############################"),
            kProjectUID,   projectUid,
            kTitle,        kDescription,
            kCompanyName,  kCompanyURL,
            kCompanyEMail, kCompanyPhone,
            kCompanyInfo,  kStructure,
            kMenu,         kFinish};
}

void ensureKey(QStringList& text, QString key) {
    if (!key.startsWith(u'.'))
        key.prepend(u'.');
    if (findKey(text, key) >= 0)
        return;
    const qsizetype finish = findKey(text, kFinish);
    if (finish > 0) {
        text.insert(finish, key);
        return;
    }
    text.append(key);
    text.append(kFinish);
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

void renewProjectText(QStringList& text, const PageValues& values,
                      const QStringList& structureLines, const MenuRecords& menu) {
    auto found = findAllKeys(text);
    const bool allPresent = std::all_of(kEnsured.begin(), kEnsured.end(),
                                        [&](const QString* k) { return found[keyIndex(k)] >= 0; });
    if (!allPresent) {
        for (const QString* key : kEnsured)
            ensureKey(text, *key);
        found = findAllKeys(text);
    }
    // The last line is never removed, so a block whose key is the last line would keep its
    // previous value there and grow by a line at every rewrite; a closing ".Finish" stops it.
    if (isRewrittenKey(text.constLast())) {
        text.append(kFinish);
        found = findAllKeys(text);
    }

    // A value that began with "." would read back as the end of its block and pile up at
    // every rewrite, so no written value line begins with ".".
    const std::array<std::pair<const QString*, QString>, 7> simple = {{
        {&kTitle, stripLeadingDots(values.title)},
        {&kDescription, stripLeadingDotsPerLine(values.description)},
        {&kCompanyName, stripLeadingDotsPerLine(values.companyName)},
        {&kCompanyURL, stripLeadingDotsPerLine(values.companyURL)},
        {&kCompanyEMail, stripLeadingDotsPerLine(values.companyEMail)},
        {&kCompanyPhone, stripLeadingDotsPerLine(values.companyPhone)},
        {&kCompanyInfo, stripLeadingDotsPerLine(values.companyInfo)},
    }};

    const qsizetype count = text.size();
    // The last line of the text is never removed by a rewrite.
    auto regionEnd = [&](qsizetype key, bool menuBlock) {
        qsizetype j = key + 1;
        while (j < count - 1 &&
               !(menuBlock ? endsMenuBlock(text.at(j)) : beginsWithDot(text.at(j))))
            ++j;
        return std::max(j, key + 1);
    };

    std::vector<Block> blocks;
    blocks.reserve(9);
    for (const auto& [key, value] : simple) {
        const qsizetype k = found[keyIndex(key)];
        blocks.push_back({k, regionEnd(k, false), QStringList{value}});
    }

    {
        const qsizetype k = found[keyIndex(&kStructure)];
        QStringList content(structureLines.crbegin(), structureLines.crend());
        blocks.push_back({k, regionEnd(k, false), std::move(content)});
    }
    {
        const qsizetype k = found[keyIndex(&kMenu)];
        static const QString u = QStringLiteral(".u"), c = QStringLiteral(".c"),
                             d = QStringLiteral(".d"), l = QStringLiteral(".l"),
                             zero = QStringLiteral("0");
        QStringList content;
        content.reserve(menu.size() * 8);
        for (auto it = menu.crbegin(); it != menu.crend(); ++it) {
            content.append(u);
            content.append(QString::number(it->Uid));
            content.append(c);
            content.append(stripLeadingDotsPerLine(it->Caption));
            content.append(d);
            content.append(stripLeadingDotsPerLine(it->Description));
            content.append(l);
            content.append(it->Tag == 0 ? zero : QString::number(it->Tag));
        }
        blocks.push_back({k, regionEnd(k, true), std::move(content)});
    }

    std::sort(blocks.begin(), blocks.end(),
              [](const Block& a, const Block& b) { return a.key < b.key; });

    qsizetype size = count;
    for (const Block& b : blocks)
        size += b.content.size() - (std::min(b.end, count) - b.key - 1);
    QStringList out;
    out.reserve(size);
    qsizetype pos = 0;
    for (Block& b : blocks) {
        for (; pos <= b.key; ++pos)
            out.append(std::move(text[pos]));
        for (QString& entry : b.content)
            out.append(std::move(entry));
        pos = std::min(b.end, count);
    }
    for (; pos < count; ++pos)
        out.append(std::move(text[pos]));
    text = std::move(out);
}

QStringList valueLines(const QStringList& text, QStringView key) {
    QStringList lines;
    const qsizetype k = findKey(text, key);
    if (k <= 0)
        return lines;
    for (qsizetype j = k + 1; j <= text.size() - 2 && !beginsWithDot(text.at(j)); ++j)
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
