#include "benchdata.h"

#include <functional>

BenchTree makeBenchTree(int items) {
    BenchTree tree;
    QStringList preorder{QStringLiteral("0:Главное Меню Программы")};
    int uid = 10000000;
    // Levels 1..4; every node below level 4 gets up to 6 children until the count is reached.
    std::function<void(int)> grow = [&](int level) {
        for (int i = 0; i < 6 && int(tree.records.size()) < items; ++i) {
            ++uid;
            tree.records.append({QStringLiteral("Пункт меню %1").arg(uid),
                                 QStringLiteral("Описание пункта\r\nвторая строка"), 0, uid});
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

tz::PageValues makeBenchValues(qsizetype purposeBytes) {
    tz::PageValues v;
    v.title = QStringLiteral("Учёт товаров на складе");
    const QString line = QStringLiteral("Программа ведёт учёт поступления и отгрузки товаров.\r\n");
    while (v.description.size() < purposeBytes)
        v.description += line;
    v.companyName = QStringLiteral("ООО «Ромашка»");
    v.companyInfo = QStringLiteral("Москва\r\nул. Примерная, 1");
    return v;
}
