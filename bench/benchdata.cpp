#include "benchdata.h"

#include "project/projectfile.h"

#include <QFileInfo>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

BenchTree makeBenchTree(int items, int descriptionLines) {
    BenchTree tree;
    QStringList preorder{QStringLiteral("0:Главное Меню Программы")};
    QStringList lines;
    for (int i = 0; i < descriptionLines; ++i)
        lines.append(QStringLiteral("Описание пункта, строка %1: что делает пункт меню и для кого")
                         .arg(i + 1));
    const QString description = lines.join(QStringLiteral("\r\n"));
    int uid = 10000000;
    // Levels 1..4; every node below level 4 gets up to 6 children until the count is reached.
    std::function<void(int)> grow = [&](int level) {
        for (int i = 0; i < 6 && int(tree.records.size()) < items; ++i) {
            ++uid;
            tree.records.append({QStringLiteral("Пункт меню %1").arg(uid), description, 0, uid});
            preorder.append(QStringLiteral("%1:%2").arg(level).arg(uid));
            if (level < 4)
                grow(level + 1);
        }
    };
    while (int(tree.records.size()) < items)
        grow(1);
    tree.structureLines = QStringList(preorder.crbegin(), preorder.crend());
    return tree;
}

tz::ProjectValues makeBenchValues(qsizetype purposeBytes) {
    tz::ProjectValues v;
    v.title = QStringLiteral("Учёт товаров на складе");
    const QString line = QStringLiteral("Программа ведёт учёт поступления и отгрузки товаров.\r\n");
    while (v.description.size() < purposeBytes)
        v.description += line;
    v.description.truncate(purposeBytes);
    v.companyName = QStringLiteral("ООО «Ромашка»");
    v.companyInfo = QStringLiteral("Москва\r\nул. Примерная, 1");
    return v;
}

namespace {

QStringList projectOf(const BenchTree& tree, const tz::ProjectValues& values) {
    QStringList text = tz::newProjectText(QStringLiteral("20261208100000128241"));
    tz::renewProjectText(text, values, tree.structureLines, tree.records);
    return text;
}

} // namespace

QStringList makeBenchProject(int items, qsizetype purposeBytes) {
    return projectOf(makeBenchTree(items), makeBenchValues(purposeBytes));
}

QStringList makeProjectOfSize(qsizetype fileBytes) {
    const int items = int(fileBytes / kMebibyte) * 1000;
    tz::ProjectValues values = makeBenchValues(kMebibyte);
    // About 63 bytes a description line: as many lines as fit, the rest in the company text.
    const qsizetype perItem = (fileBytes - kMebibyte) / items;
    const BenchTree tree = makeBenchTree(items, int(perItem / 63) - 1);
    qsizetype missing = fileBytes - tz::serializeProject(projectOf(tree, values)).bytes.size();
    // Lines of 60 letters and CR LF, as typed text would have them.
    const QString line = QStringLiteral("\r\n") + QString(60, u'я');
    for (; missing >= line.size(); missing -= line.size())
        values.companyInfo += line;
    values.companyInfo += QString(qMax<qsizetype>(0, missing), u'я');
    return projectOf(tree, values);
}

QStringList makePurposeProjectOfSize(qsizetype fileBytes) {
    tz::ProjectValues values = makeBenchValues(0);
    const BenchTree none;
    // What the file holds besides the purpose, with a purpose of one empty line.
    const qsizetype rest = tz::serializeProject(projectOf(none, values)).bytes.size();
    const QString words = QStringLiteral("Программа учитывает поступление, перемещение и отгрузку "
                                         "товаров на складе, печатает накладные и отчёты. ");
    QString line;
    while (line.size() < 144)
        line += words;
    line.truncate(144);
    // Each line takes its 144 characters and CR LF; the last one takes what is left over.
    const qsizetype lines = (fileBytes - rest) / (line.size() + 2);
    QString& purpose = values.description;
    purpose.reserve((lines + 1) * (line.size() + 2));
    for (qsizetype i = 0; i + 1 < lines; ++i) {
        purpose += line;
        purpose += QLatin1String("\r\n");
    }
    purpose += QString(fileBytes - rest - (lines - 1) * (line.size() + 2), u'я');
    return projectOf(none, values);
}

bool writeBenchProject(const QString& path, const QStringList& text) {
    return tz::saveProjectFile(path, text).ok;
}

bool writeSizedProjectApart(const QString& path, QStringList (*make)(qsizetype),
                            qsizetype fileBytes) {
    const pid_t child = fork();
    if (child == 0)
        _exit(writeBenchProject(path, make(fileBytes)) ? 0 : 1);
    int status = 1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && QFileInfo(path).size() == fileBytes;
}
