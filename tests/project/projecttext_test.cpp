#include "project/menutreeloader.h"
#include "project/projectfields.h"
#include "project/projectfile.h"
#include "project/projecttext.h"
#include "project/random32.h"
#include "project/sectiontexts.h"
#include "renewreference.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tz;

namespace {

const QStringList kHeader = {
    QString(50, u'#'),
    QStringLiteral("# Не рекомендуется изменять напрямую этот файл   #"),
    QStringLiteral("# Используйте ПО с сайта http://www.example.org  #"),
    QString(50, u'#'),
    QString(),
    QStringLiteral("# PROJECT INFO ###############################"),
};

ProjectValues sampleValues() {
    ProjectValues v;
    v.title = QStringLiteral("Учёт склада");
    v.description = QStringLiteral("Первая строка\r\nВторая строка");
    v.companyName = QStringLiteral("ООО \"Ромашка\"");
    v.companyURL = QStringLiteral("http://romashka.example.org");
    v.companyEMail = QStringLiteral("info@romashka.example.org");
    v.companyPhone = QStringLiteral("+7 495 000-00-00");
    v.companyInfo = QStringLiteral("Строка 1\r\nСтрока 2\r\nСтрока 3");
    return v;
}

} // namespace

TEST(NewProject, IsExactlyTheEighteenLines) {
    const QStringList text = newProjectText(QStringLiteral("20261208100000128241"));
    QStringList expected = kHeader;
    expected << ".ProjectUID"
             << "20261208100000128241"
             << ".Title"
             << ".Description"
             << ".CompanyName"
             << ".CompanyURL"
             << ".CompanyEMail"
             << ".CompanyPhone"
             << ".CompanyInfo"
             << ".Structure"
             << ".Menu"
             << ".Finish";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.at(1).size(), 50);
    EXPECT_EQ(text.at(2).size(), 50);
    EXPECT_EQ(text.at(5).size(), 46);
    const QByteArray bytes = serializeProject(text).bytes;
    EXPECT_TRUE(bytes.endsWith(".Menu\r\n.Finish\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 18);
}

TEST(EnsureKey, InsertsBeforeFinishOrAppendsWithANewFinish) {
    QStringList text{"a", ".Finish"};
    ensureKey(text, QStringLiteral("Title"));
    EXPECT_EQ(text, (QStringList{"a", ".Title", ".Finish"}));
    ensureKey(text, QStringLiteral(".TITLE"));
    EXPECT_EQ(text.size(), 3);

    QStringList finishFirst{".Finish", "x"};
    ensureKey(finishFirst, QStringLiteral("Menu"));
    EXPECT_EQ(finishFirst, (QStringList{".Finish", "x", ".Menu", ".Finish"}));

    QStringList empty;
    ensureKey(empty, QStringLiteral("Menu"));
    EXPECT_EQ(empty, (QStringList{".Menu", ".Finish"}));
}

TEST(Renew, FirstRewriteOfANewProject) {
    QStringList text = newProjectText(QStringLiteral("1"));
    renewProjectText(text, sampleValues(), {}, {});
    QStringList expected = kHeader;
    expected << ".ProjectUID"
             << "1"
             << ".Title"
             << "Учёт склада"
             << ".Description"
             << "Первая строка\r\nВторая строка"
             << ".CompanyName"
             << "ООО \"Ромашка\""
             << ".CompanyURL"
             << "http://romashka.example.org"
             << ".CompanyEMail"
             << "info@romashka.example.org"
             << ".CompanyPhone"
             << "+7 495 000-00-00"
             << ".CompanyInfo"
             << "Строка 1\r\nСтрока 2\r\nСтрока 3"
             << ".Structure"
             << ".Menu"
             << ".NewTitle"
             << ".Finish";
    EXPECT_EQ(text, expected);
}

TEST(Renew, EmptyValuesGiveOneEmptyLineEach) {
    QStringList text = newProjectText(QStringLiteral("1"));
    renewProjectText(text, {}, {}, {});
    EXPECT_EQ(text.mid(8),
              (QStringList{".Title", "", ".Description", "", ".CompanyName", "", ".CompanyURL", "",
                           ".CompanyEMail", "", ".CompanyPhone", "", ".CompanyInfo", "",
                           ".Structure", ".Menu", ".NewTitle", ".Finish"}));
}

TEST(Renew, AnEmptyTextGetsEveryKeyInOrder) {
    QStringList text;
    renewProjectText(text, {}, {}, {});
    EXPECT_EQ(text, (QStringList{".NewTitle", ".Title", "", ".Description", "", ".CompanyName", "",
                                 ".CompanyURL", "", ".CompanyEMail", "", ".CompanyPhone", "",
                                 ".CompanyInfo", "", ".Structure", ".Menu", ".Finish"}));
}

TEST(Renew, ReplacesEveryOldValueLineWithOneEntry) {
    QStringList text{"#", ".title", "one", "two", ".Description", "a", "b", "c", ".Finish"};
    ProjectValues v;
    v.title = QStringLiteral("new");
    v.description = QStringLiteral("d");
    renewProjectText(text, v, {}, {});
    EXPECT_EQ(text.mid(0, 5), (QStringList{"#", ".title", "new", ".Description", "d"}));
}

TEST(Renew, NeverRemovesTheLastLineOfTheText) {
    // ".CompanyInfo" stands after ".Finish", so the old value is the text's last line.
    QStringList text{"#", ".Finish", ".CompanyInfo", "old"};
    ProjectValues v;
    v.companyInfo = QStringLiteral("new");
    renewProjectText(text, v, {}, {});
    EXPECT_EQ(text.mid(text.size() - 3), (QStringList{".CompanyInfo", "new", "old"}));
}

TEST(Renew, KeepsAStrayDotLineAndStopsBeforeIt) {
    QStringList text{"#", ".Title", "t", ".remark", "kept", ".Finish"};
    ProjectValues v;
    v.title = QStringLiteral("x");
    renewProjectText(text, v, {}, {});
    EXPECT_EQ(text.mid(0, 5), (QStringList{"#", ".Title", "x", ".remark", "kept"}));
}

TEST(Renew, WritesStructureInTreeOrderAndMenuRecordsInReverse) {
    QStringList text = newProjectText(QStringLiteral("1"));
    const QStringList structure{"1:12", "2:11", "1:10", "0:Главное Меню Программы"};
    const MenuRecords menu{
        {"A", "описание A", 0, 10}, {"A1", "строка 1\r\nстрока 2", 0, 11}, {"B", "", 7, 12}};
    renewProjectText(text, {}, structure, menu);
    const qsizetype s = findKey(text, u".Structure");
    EXPECT_EQ(text.mid(s, 5),
              (QStringList{".Structure", "0:Главное Меню Программы", "1:10", "2:11", "1:12"}));
    const qsizetype m = findKey(text, u".Menu");
    EXPECT_EQ(text.mid(m, 26),
              (QStringList{".Menu",    ".u", "12",         ".c", "B",
                           ".d",       "",   ".l",         "7",  ".u",
                           "11",       ".c", "A1",         ".d", "строка 1\r\nстрока 2",
                           ".l",       "0",  ".u",         "10", ".c",
                           "A",        ".d", "описание A", ".l", "0",
                           ".NewTitle"}));
}

// A line that begins with "." (or with "\"s and then ".") is written with one more "\" in
// front, does not end its block, and reads back as typed; other lines keep their bytes.
TEST(Renew, ValuesBeginningWithADotComeBackAsTyped) {
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {{".NET Framework 4.8", "\\.NET Framework 4.8"},
                 {".Title", "\\.Title"},
                 {".u", "\\.u"},
                 {"\\.x", "\\\\.x"},
                 {"\\x", "\\x"},
                 {"x.y", "x.y"}};
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        QStringList text = newProjectText(QStringLiteral("1"));
        ProjectValues v;
        v.companyName = typed;
        v.companyInfo = QStringLiteral("x\r\n") + typed;
        v.customer = typed;
        v.agreedPosition = typed;
        v.agreedName = typed;
        const MenuRecords menu{{typed, typed + QStringLiteral("\r\n") + typed, 0, 10000000},
                               {QStringLiteral("Б"), QStringLiteral("в"), 0, 10000001}};
        for (int i = 0; i < 3; ++i)
            renewProjectText(text, v, {"1:10000001", "1:10000000", "0:R"}, menu, true);
        const QStringList saved = parseProjectBytes(serializeProject(text).bytes);
        EXPECT_EQ(valueLines(saved, u".CompanyName"), QStringList{QString::fromUtf8(c.written)});
        const ProjectValues read = readProjectValues(saved, true);
        EXPECT_EQ(read.companyName, v.companyName) << c.typed;
        EXPECT_EQ(read.companyInfo, v.companyInfo) << c.typed;
        EXPECT_EQ(read.customer, v.customer) << c.typed;
        EXPECT_EQ(read.agreedPosition, v.agreedPosition) << c.typed;
        EXPECT_EQ(read.agreedName, v.agreedName) << c.typed;
        Random32 random(0);
        EXPECT_EQ(loadMenuTree(saved, random).tree.records(), menu) << c.typed;
        EXPECT_EQ(saved.count(QStringLiteral(".u")), 2) << c.typed;
    }
}

TEST(Renew, ABlockWhoseKeyIsTheLastLineDoesNotGrow) {
    for (const char* last : {".Title", ".Menu", ".CompanyInfo", ".structure"}) {
        QStringList text{"#", ".Finish", QString::fromLatin1(last)};
        const MenuRecords menu{{"c", "d", 0, 10}};
        renewProjectText(text, sampleValues(), {"1:10", "0:R"}, menu);
        const QStringList once = text;
        renewProjectText(text, sampleValues(), {"1:10", "0:R"}, menu);
        EXPECT_EQ(text, once) << last;
        EXPECT_EQ(text.constLast(), QStringLiteral(".Finish"));
    }
}

TEST(Renew, TwiceGivesTheSameTextAsOnce) {
    QStringList text = newProjectText(QStringLiteral("1"));
    const MenuRecords menu{{"A", "x\r\ny", 0, 10}};
    renewProjectText(text, sampleValues(), {"1:10", "0:R"}, menu);
    const QStringList once = text;
    renewProjectText(text, sampleValues(), {"1:10", "0:R"}, menu);
    EXPECT_EQ(text, once);
    // After a save and a load the multi-line entries are single lines, and the rewrite
    // still gives the same file.
    QStringList reloaded = parseProjectBytes(serializeProject(text).bytes);
    renewProjectText(reloaded, sampleValues(), {"1:10", "0:R"}, menu);
    EXPECT_EQ(serializeProject(reloaded).bytes, serializeProject(once).bytes);
}

TEST(Renew, MatchesTheLiteralRewriteOnHandEditedTexts) {
    // Random texts made of keys in any order and case, record tags, stray dot lines and
    // plain lines, with and without ".Finish".
    const QStringList pieces{".Title",
                             ".TITLE",
                             ".Description",
                             ".CompanyName",
                             ".CompanyURL",
                             ".CompanyEMail",
                             ".companyphone",
                             ".CompanyInfo",
                             ".Structure",
                             ".Menu",
                             ".NewTitle",
                             ".Finish",
                             ".u",
                             ".c",
                             ".d",
                             ".l",
                             ".stray",
                             "plain",
                             "",
                             "1:123",
                             "x\r\ny",
                             ".ab\r\nc"};
    QRandomGenerator random(20261208);
    for (int round = 0; round < 3000; ++round) {
        QStringList text;
        const int length = random.bounded(0, 16);
        for (int i = 0; i < length; ++i)
            text.append(pieces.at(random.bounded(pieces.size())));
        ProjectValues v = sampleValues();
        if (random.bounded(2))
            v.companyName = QStringLiteral(".lead");
        const QStringList structure = random.bounded(2) ? QStringList{"1:5", "0:R"} : QStringList{};
        const MenuRecords menu = random.bounded(2)
                                     ? MenuRecords{{"c", "d", 0, 5}, {".e", "f\r\ng", 3, 6}}
                                     : MenuRecords{};
        QStringList expected = text;
        referenceRenew(expected, v, structure, menu);
        QStringList actual = text;
        renewProjectText(actual, v, structure, menu);
        ASSERT_EQ(actual, expected) << "input: " << text.join(u'|').toStdString();
    }
}

TEST(ReadingRule, FollowsTheKeyToTheNextDotLineButNeverReadsTheLastLine) {
    const QStringList text{"#", ".title", "first", "second", ".Description", "a", "b", ".Finish"};
    EXPECT_EQ(valueLines(text, u".Title"), (QStringList{"first", "second"}));
    EXPECT_EQ(singleValue(text, u".Title"), QStringLiteral("second"));
    EXPECT_EQ(valueLines(text, u".Description"), (QStringList{"a", "b"}));
    EXPECT_TRUE(valueLines(text, u".CompanyPhone").isEmpty());
    // A key on the first line counts as missing.
    EXPECT_TRUE(valueLines({".Title", "x", ".Finish"}, u".Title").isEmpty());
    // The value is the last line of the text: not read.
    EXPECT_TRUE(valueLines({"#", ".Title", "x"}, u".Title").isEmpty());
    EXPECT_EQ(valueLines({"#", ".Title", "x", "y"}, u".Title"), QStringList{"x"});
}

TEST(Caption, NamesTheProgramWhenATitleIsGiven) {
    EXPECT_EQ(projectCaption(QString()), QStringLiteral("Техническое Задание"));
    EXPECT_EQ(projectCaption(QStringLiteral("Склад")),
              QStringLiteral("Техническое Задание к Программе \"Склад\""));
}

TEST(LeadingDots, AreRemovedFromTheTextOrFromEveryLine) {
    EXPECT_EQ(stripLeadingDots(QStringLiteral("..a.b")), QStringLiteral("a.b"));
    EXPECT_EQ(stripLeadingDots(QStringLiteral(".")), QString());
    EXPECT_EQ(stripLeadingDotsPerLine(QStringLiteral(".a\r\n..b\nc.\r.d")),
              QStringLiteral("a\r\nb\nc.\rd"));
}

// Each extended value is written under its key, the keys in their fixed order just before
// ".NewTitle", once the value is given; it reads back as given. The default mode neither
// writes nor touches these blocks.
TEST(Renew, ExtendedBlocksAreWrittenBeforeNewTitleAndReadBack) {
    const struct {
        const char* key;
        void (*set)(ProjectValues&);
        QStringList lines;
    } blocks[] = {
        {".OS",
         [](ProjectValues& v) { v.os = "Windows XP\r\nAstra Linux"; },
         {"Windows XP", "Astra Linux"}},
        {".OSOther", [](ProjectValues& v) { v.osOther = "Astra Linux 1.7"; }, {"Astra Linux 1.7"}},
        {".Hardware", [](ProjectValues& v) { v.hardware = "ПЭВМ\r\nсеть"; }, {"ПЭВМ", "сеть"}},
        {".Staff", [](ProjectValues& v) { v.staff = "Два оператора"; }, {"Два оператора"}},
        {".Customer", [](ProjectValues& v) { v.customer = "АО «Заказчик»"; }, {"АО «Заказчик»"}},
        {".AgreedBy",
         [](ProjectValues& v) {
             v.agreedPosition = "Директор";
             v.agreedName = "И. И. Иванов";
         },
         {"Директор", "И. И. Иванов"}},
        {".ApprovedBy",
         [](ProjectValues& v) { v.approvedName = "П. П. Петров"; },
         {"", "П. П. Петров"}},
        {".Designation",
         [](ProjectValues& v) { v.designation = "RU.12345678.00001-01"; },
         {"RU.12345678.00001-01"}},
        {".Basis",
         [](ProjectValues& v) { v.basis = "Договор № 5\r\n.от 01.12.2026"; },
         {"Договор № 5", "\\.от 01.12.2026"}},
        {".Executor",
         [](ProjectValues& v) { v.executor = "ООО «Разработчик»"; },
         {"ООО «Разработчик»"}},
        {".ProgramType", [](ProjectValues& v) { v.programType = "Драйвер"; }, {"Драйвер"}},
        {".Database", [](ProjectValues& v) { v.database = "PostgreSQL 16"; }, {"PostgreSQL 16"}},
        {".Documents",
         [](ProjectValues& v) { v.documents = "Техническое задание\r\nФормуляр"; },
         {"Техническое задание", "Формуляр"}},
        {".Stages",
         [](ProjectValues& v) { v.stages = "Рабочий проект\tдо 1 марта\r\nВнедрение\t"; },
         {"Рабочий проект\tдо 1 марта", "Внедрение\t"}},
        {".Sections",
         [](ProjectValues& v) {
             v.sections = sectionsValue({{"Специальные требования", "§ 5 договора\r\n.NET"}});
         },
         {"§ Специальные требования", "\\§ 5 договора", "\\.NET"}},
    };
    ProjectValues all = sampleValues();
    QStringList text = newProjectText(QStringLiteral("1"));
    renewProjectText(text, all, {}, {}, true);
    EXPECT_EQ(text.indexOf(".OS"), -1) << "no block without a value";
    // Given from the last to the first, they still stand in their order.
    for (auto it = std::rbegin(blocks); it != std::rend(blocks); ++it) {
        ProjectValues v = all;
        it->set(v);
        renewProjectText(text, v, {}, {}, true);
        it->set(all);
    }
    const QStringList saved = parseProjectBytes(serializeProject(text).bytes);
    qsizetype at = saved.indexOf(".Menu") + 1;
    for (const auto& block : blocks) {
        EXPECT_EQ(saved.at(at), QString::fromUtf8(block.key));
        EXPECT_EQ(saved.mid(at + 1, block.lines.size()), block.lines) << block.key;
        at += 1 + block.lines.size();
    }
    EXPECT_EQ(saved.mid(at), (QStringList{".NewTitle", ".Finish"}));

    ProjectValues read = readProjectValues(saved, true);
    EXPECT_EQ(read.os, all.os);
    EXPECT_EQ(read.hardware, all.hardware);
    EXPECT_EQ(read.agreedPosition, all.agreedPosition);
    EXPECT_EQ(read.agreedName, all.agreedName);
    EXPECT_EQ(read.approvedPosition, all.approvedPosition);
    EXPECT_EQ(read.approvedName, all.approvedName);
    EXPECT_EQ(read.basis, all.basis);
    EXPECT_EQ(read, all);
    EXPECT_EQ(sectionTexts(read.sections),
              (QList<SectionText>{{"Специальные требования", "§ 5 договора\r\n.NET"}}));
    EXPECT_TRUE(readProjectValues(saved, false).os.isEmpty());

    QStringList kept = saved;
    renewProjectText(kept, {}, {}, {});
    EXPECT_EQ(kept.mid(kept.indexOf(".OS"), saved.size() - saved.indexOf(".OS")),
              saved.mid(saved.indexOf(".OS")));
}
