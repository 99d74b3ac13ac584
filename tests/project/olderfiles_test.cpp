// Files that earlier versions wrote keep value lines that begin with "." as they were typed,
// without the "\" written now. Opened in either mode, such a file gives the texts it holds,
// the first save writes them escaped and moves nothing else, and export reads the same.
#include "project/codec1251.h"
#include "project/fileblocks.h"
#include "project/menutreeloader.h"
#include "project/projectfields.h"
#include "project/projectfile.h"
#include "project/projectkeys.h"
#include "project/projectsession.h"
#include "project/random32.h"
#include "project/standardlists.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tz;

namespace {

struct OlderFile {
    const char* name;
    // The lines under ".c" and ".d" of the record that comes first in ".Menu", and those under
    // ".CompanyInfo", as an earlier version wrote them.
    QStringList caption, description, companyInfo;
    // The company information each mode reads.
    QString defaultCompanyInfo, extendedCompanyInfo;
};

// The lines as they stand in the file: raw, or with "\" before a line that begins with ".".
QStringList written(const QStringList& lines, bool escaped) {
    QStringList out;
    for (const QString& line : lines)
        out.append(escaped && line.startsWith(u'.') ? u'\\' + line : line);
    return out;
}

// A project as the program writes it, whose second menu item has the row's texts and whose
// extended block ".Customer" follows ".Menu"; an extended rewrite adds the documents,
// stages and menu kinds an older file did not list.
QStringList projectText(const OlderFile& row, bool escapedRecords, bool escapedValues) {
    const QStringList listed = escapedValues ? QStringList{".Documents"} + defaultDocuments() +
                                                   QStringList{".Stages"} + defaultStages() +
                                                   QStringList{".Kinds", "10000001 u", "10000002 u"}
                                             : QStringList();
    return QStringList{"#",
                       ".ProjectUID",
                       "20240315100000128241",
                       ".Title",
                       "Учёт",
                       ".Description",
                       "Назначение",
                       ".CompanyName",
                       "ООО Ромашка",
                       ".CompanyURL",
                       "",
                       ".CompanyEMail",
                       "",
                       ".CompanyPhone",
                       "",
                       ".CompanyInfo"} +
           written(row.companyInfo, escapedValues) +
           QStringList{".Structure", "0:Главное Меню Программы",
                       "1:10000001", "1:10000002",
                       ".Menu",      ".u",
                       "10000002",   ".c"} +
           written(row.caption, escapedRecords) + QStringList{".d"} +
           written(row.description, escapedRecords) +
           QStringList{
               ".l",           "0",  ".u", "10000001",  ".c",           "Первый пункт", ".d",
               "Его описание", ".l", "0",  ".Customer", "АО «Заказчик»"} +
           listed + QStringList{".NewTitle", ".Finish"};
}

// The file's text, readable in a failure's message.
std::string textOf(const QByteArray& bytes) {
    return decode1251(bytes).toStdString();
}

std::string textOfFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? textOf(file.readAll()) : std::string();
}

std::vector<std::string> shown(const MenuRecords& records) {
    std::vector<std::string> out;
    for (const TMyMenuData& r : records)
        out.push_back(QStringLiteral("%1 «%2» «%3» %4")
                          .arg(r.Uid)
                          .arg(r.Caption, r.Description)
                          .arg(r.Tag)
                          .toStdString());
    return out;
}

} // namespace

TEST(OlderFiles, KeepTheirLinesThatBeginWithADot) {
    const OlderFile rows[] = {
        {"caption", {".NET Framework 4.8"}, {"Среда"}, {"Сведения"}, "Сведения", "Сведения"},
        {"description",
         {"Платформа"},
         {"Требуется .NET", ".NET Framework 4.8 runtime"},
         {"Сведения"},
         "Сведения",
         "Сведения"},
        {"description line .d", {"Описание"}, {".d начало описания", "и конец"}, {""}, "", ""},
        {"company lines",
         {"Пункт"},
         {"Описание"},
         {"Партнёры:", ".Компания старая", ".NET партнёр"},
         "Партнёры:",
         "Партнёры:\r\n.Компания старая\r\n.NET партнёр"},
    };
    for (const OlderFile& row : rows) {
        const MenuRecords records{
            {QStringLiteral("Первый пункт"), QStringLiteral("Его описание"), 0, 10000001},
            {row.caption.join(u' '), row.description.join(QStringLiteral("\r\n")), 0, 10000002}};
        const QByteArray older = serializeProject(projectText(row, false, false)).bytes;
        for (const bool extended : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (extended ? ", extended" : ", default"));
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("older.tz"));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(older) == older.size());
            file.close();

            ProjectSession session(extended);
            QStringList notices;
            QObject::connect(&session, &ProjectSession::notice,
                             [&notices](const QString& text) { notices.append(text); });
            session.open(readProjectAt(path));
            EXPECT_EQ(notices.join(u'\n').toStdString(), "");
            EXPECT_EQ(shown(session.model().tree().records()), shown(records));
            EXPECT_EQ(session.model().values().companyInfo.toStdString(),
                      (extended ? row.extendedCompanyInfo : row.defaultCompanyInfo).toStdString());

            // The default mode reads the company information up to its first line that begins
            // with ".", and its rewrite leaves the lines from there on where they stand.
            session.TZrenew();
            ASSERT_TRUE(session.save().ok);
            EXPECT_EQ(textOfFile(path),
                      textOf(serializeProject(projectText(row, true, extended)).bytes));

            if (!extended)
                continue;
            // Export reads the blocks straight from the bytes.
            QList<QStringView> wanted{keys::ProjectUID, keys::Structure, keys::Menu};
            for (const ProjectField& field : kFields)
                wanted.append(field.key);
            const QStringList blocks = blocksText(readFileBlocks(older, wanted), wanted);
            Random32 random(0);
            const LoadedMenuTree loaded = loadMenuTree(blocks, random);
            EXPECT_FALSE(loaded.damaged);
            EXPECT_EQ(shown(loaded.tree.records()), shown(records));
            EXPECT_EQ(readProjectValues(blocks, true).companyInfo.toStdString(),
                      row.extendedCompanyInfo.toStdString());
        }
    }
}
