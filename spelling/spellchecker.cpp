#include "spelling/spellchecker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QStandardPaths>

#include <hunspell/hunspell.hxx>

namespace tz {
namespace {

// The dictionary's affix file says SET UTF-8; stress marks and soft hyphens are not spelling.
std::string spelled(QStringView word) {
    QString plain;
    plain.reserve(word.size());
    for (const QChar ch : word) {
        if (!ch.isMark() && ch != QChar::SoftHyphen)
            plain += ch;
    }
    return plain.toStdString();
}

} // namespace

SpellDictionary SpellDictionary::russian() {
    QStringList folders = qEnvironmentVariable("DICPATH").split(u':', Qt::SkipEmptyParts);
    folders.append(QStringLiteral("/usr/share/hunspell"));
    SpellDictionary files;
    for (const QString& folder : folders) {
        files.affix = QDir(folder).filePath(QStringLiteral("ru_RU.aff"));
        files.words = QDir(folder).filePath(QStringLiteral("ru_RU.dic"));
        if (QFileInfo::exists(files.affix) && QFileInfo::exists(files.words))
            break;
    }
    files.personal = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     QStringLiteral("/tzwizard/dictionary.txt");
    return files;
}

SpellChecker::SpellChecker(const SpellDictionary& files) : m_personal(files.personal) {
    // Hunspell reports a missing file on stderr: look first.
    if (!QFileInfo(files.affix).isReadable() || !QFileInfo(files.words).isReadable())
        return;
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(files.affix).constData(),
                                            QFile::encodeName(files.words).constData());
    QFile personal(m_personal);
    if (personal.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : personal.readAll().split('\n')) {
            if (!line.trimmed().isEmpty())
                m_hunspell->add(line.trimmed().toStdString());
        }
    }
}

SpellChecker::~SpellChecker() = default;

bool SpellChecker::isCorrect(QStringView word) {
    if (!m_hunspell)
        return true;
    const std::string utf8 = spelled(word);
    const QMutexLocker lock(&m_mutex);
    return m_hunspell->spell(utf8);
}

QStringList SpellChecker::suggestions(QStringView word, int most) {
    QStringList found;
    if (!m_hunspell)
        return found;
    const std::string utf8 = spelled(word);
    const QMutexLocker lock(&m_mutex);
    for (const std::string& suggestion : m_hunspell->suggest(utf8)) {
        if (found.size() == most)
            break;
        found.append(QString::fromStdString(suggestion));
    }
    return found;
}

bool SpellChecker::addToPersonal(const QString& word) {
    if (!m_hunspell)
        return false;
    {
        const QMutexLocker lock(&m_mutex);
        m_hunspell->add(spelled(word));
    }
    QDir().mkpath(QFileInfo(m_personal).path());
    QFile personal(m_personal);
    return personal.open(QIODevice::Append) && personal.write(word.toUtf8() + '\n') > 0 &&
           personal.flush();
}

} // namespace tz
