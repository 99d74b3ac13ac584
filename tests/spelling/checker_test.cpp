#include "spelling/spellchecker.h"
#include "spelling/spellwords.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The system's Russian dictionary with a personal list in a folder of the test's own.
tz::SpellDictionary dictionaryIn(const QTemporaryDir& dir) {
    tz::SpellDictionary files = tz::SpellDictionary::russian();
    files.personal = dir.filePath(QStringLiteral("tzwizard/dictionary.txt"));
    return files;
}

TEST(SpellChecker, KnowsRussianWordsAndSuggestsForATypo) {
    QTemporaryDir dir;
    tz::SpellChecker checker(dictionaryIn(dir));
    ASSERT_TRUE(checker.isAvailable()) << "the Russian dictionary (hunspell-ru) is missing";
    for (const char* word : {"программа", "Программа", "ещё", "учёт", "что-то"})
        EXPECT_TRUE(checker.isCorrect(QString::fromUtf8(word))) << word;
    EXPECT_FALSE(checker.isCorrect(u"пользоватль"));
    EXPECT_TRUE(checker.suggestions(u"пользоватль", 7).contains(u"пользователь"));
}

TEST(SpellChecker, AWordAddedStaysInTheNextChecker) {
    QTemporaryDir dir;
    const QString word = QStringLiteral("тзвизард");
    {
        tz::SpellChecker checker(dictionaryIn(dir));
        ASSERT_FALSE(checker.isCorrect(word));
        ASSERT_TRUE(checker.addToPersonal(word));
        EXPECT_TRUE(checker.isCorrect(word));
    }
    tz::SpellChecker next(dictionaryIn(dir));
    EXPECT_TRUE(next.isCorrect(word));
}

TEST(SpellChecker, ChecksRussianWordsOnly) {
    const struct {
        const char* text;
        std::vector<std::string> words;
    } cases[] = {
        {"Ещё один склад", {"Ещё", "один", "склад"}},
        {"что-то, Ростов-на-Дону; слово-", {"что-то", "Ростов-на-Дону", "слово"}},
        {"ТЗ по ГОСТ для Windows-версии 5-й", {"по", "для"}},
        {"пишите на почта@пример.рф или www.сайт.рф, т.е. сюда", {"пишите", "на", "или", "сюда"}},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        std::vector<std::string> found;
        for (const tz::WordSpan& word : tz::checkedWords(text))
            found.push_back(text.mid(word.start, word.length).toStdString());
        EXPECT_EQ(found, c.words) << c.text;
    }
}

} // namespace
