#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

class Hunspell;

namespace tz {

// The files of a spell check: Hunspell's dictionary and the user's own word list.
struct SpellDictionary {
    QString affix;
    QString words;
    QString personal; // one word a line, UTF-8; made when the first word is added
    // The Russian dictionary of the system (hunspell-ru; $DICPATH first, as Hunspell's own
    // tools look) and the list in the program's data folder ($XDG_DATA_HOME/tzwizard).
    static SpellDictionary russian();
};

// Hunspell with a dictionary and the personal words. Without the dictionary's files it is
// unavailable and finds every word correct, saying nothing. Safe to use from several
// threads: one Hunspell serves them in turn.
class SpellChecker {
public:
    explicit SpellChecker(const SpellDictionary& files);
    ~SpellChecker();

    bool isAvailable() const { return m_hunspell != nullptr; }
    bool isCorrect(QStringView word);
    QStringList suggestions(QStringView word, int most);
    // Takes the word as correct from now on, here and in every checker made later. False
    // when the personal list could not be written (the word is still correct here).
    bool addToPersonal(const QString& word);

private:
    std::unique_ptr<Hunspell> m_hunspell;
    QString m_personal;
    QMutex m_mutex;
};

} // namespace tz
