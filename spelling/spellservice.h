#pragma once

#include "spelling/spellchecker.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <memory>

namespace tz {

// Spell checking for the boxes of the program: Hunspell loads and checks words on a thread of
// its own, and the verdicts are kept here, in the thread that asks, by word, so that a box can
// underline its text from what is known at once and ask for the rest to be checked.
class SpellService : public QObject {
    Q_OBJECT
public:
    enum class Verdict { Unknown, Correct, Misspelled };

    // The program's service with the Russian dictionary, made on first use and owned by the
    // application.
    static SpellService& instance();

    explicit SpellService(const SpellDictionary& files, QObject* parent = nullptr);
    ~SpellService() override;

    // True once the dictionary is loaded; never when it is missing.
    bool isAvailable() const { return m_state == State::Available; }
    // What is known of the word; an unknown one is checked in the background, and checked()
    // follows.
    Verdict verdict(const QString& word);
    // At once, in this thread (a word the box's menu is about).
    bool isCorrect(const QString& word);
    // At once, in this thread: what the user may have meant, best first.
    QStringList suggestions(const QString& word, int most);
    void addToPersonal(const QString& word);
    // Nothing waits to be checked (the dictionary loaded or found missing).
    bool isIdle() const { return m_state != State::Loading && m_asked.isEmpty(); }

Q_SIGNALS:
    // Verdicts came in, or the dictionary became available; boxes look at their words again.
    void checked();

private:
    enum class State { Loading, Available, Missing };

    void send();
    void receive(const QStringList& words, const QList<bool>& correct);

    std::shared_ptr<SpellChecker> m_checker; // made and used on the thread
    QThread m_thread;
    QObject* m_worker; // lives on the thread
    State m_state = State::Loading;
    QHash<QString, bool> m_known; // word: correct
    QSet<QString> m_asked;        // sent or about to be sent
    QStringList m_unsent;
    QTimer m_sending;
};

} // namespace tz
