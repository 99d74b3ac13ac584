#include "spelling/spellservice.h"

#include <QCoreApplication>
#include <QPointer>

namespace tz {
namespace {

// Words sent to the thread at once: a batch takes about a millisecond, so that the
// suggestions asked for meanwhile do not wait long for Hunspell.
constexpr qsizetype kBatch = 300;

} // namespace

SpellService& SpellService::instance() {
    static QPointer<SpellService> service;
    if (!service)
        service = new SpellService(SpellDictionary::russian(), QCoreApplication::instance());
    return *service;
}

SpellService::SpellService(const SpellDictionary& files, QObject* parent)
    : QObject(parent), m_worker(new QObject) {
    m_sending.setSingleShot(true);
    m_sending.setInterval(0);
    connect(&m_sending, &QTimer::timeout, this, &SpellService::send);
    m_worker->moveToThread(&m_thread);
    m_thread.start(QThread::LowPriority);
    // Loading the dictionary takes a tenth of a second: not on the thread of the windows.
    QMetaObject::invokeMethod(m_worker, [this, files] {
        auto checker = std::make_shared<SpellChecker>(files);
        QMetaObject::invokeMethod(this, [this, checker] {
            m_checker = checker;
            m_state = checker->isAvailable() ? State::Available : State::Missing;
            if (m_state == State::Missing) {
                m_asked.clear();
                m_unsent.clear();
            } else if (!m_unsent.isEmpty()) {
                m_sending.start();
            }
            Q_EMIT checked();
        });
    });
}

SpellService::~SpellService() {
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

SpellService::Verdict SpellService::verdict(const QString& word) {
    const auto known = m_known.constFind(word);
    if (known != m_known.cend())
        return *known ? Verdict::Correct : Verdict::Misspelled;
    if (m_state != State::Missing && !m_asked.contains(word)) {
        m_asked.insert(word);
        m_unsent.append(word);
        if (m_state == State::Available && !m_sending.isActive())
            m_sending.start();
    }
    return Verdict::Unknown;
}

void SpellService::send() {
    while (!m_unsent.isEmpty()) {
        const QStringList words = m_unsent.mid(0, kBatch);
        m_unsent.remove(0, words.size());
        QMetaObject::invokeMethod(m_worker, [this, words, checker = m_checker] {
            QList<bool> correct;
            correct.reserve(words.size());
            for (const QString& word : words)
                correct.append(checker->isCorrect(word));
            QMetaObject::invokeMethod(this, [this, words, correct] { receive(words, correct); });
        });
    }
}

void SpellService::receive(const QStringList& words, const QList<bool>& correct) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        m_known.insert(words.at(i), correct.at(i));
        m_asked.remove(words.at(i));
    }
    Q_EMIT checked();
}

bool SpellService::isCorrect(const QString& word) {
    if (!isAvailable())
        return true;
    const auto known = m_known.constFind(word);
    if (known != m_known.cend())
        return *known;
    const bool correct = m_checker->isCorrect(word);
    m_known.insert(word, correct);
    return correct;
}

QStringList SpellService::suggestions(const QString& word, int most) {
    return isAvailable() ? m_checker->suggestions(word, most) : QStringList();
}

void SpellService::addToPersonal(const QString& word) {
    if (!isAvailable())
        return;
    m_checker->addToPersonal(word);
    // Other forms of the word may be correct now as well: the words found wrong are checked
    // again and keep their underline until then.
    m_known.insert(word, true);
    for (auto it = m_known.cbegin(); it != m_known.cend(); ++it) {
        if (!it.value() && !m_asked.contains(it.key())) {
            m_asked.insert(it.key());
            m_unsent.append(it.key());
        }
    }
    m_sending.start();
    Q_EMIT checked();
}

} // namespace tz
