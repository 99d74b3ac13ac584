#include "structure/addmenuitem.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrmAddMenuItem::TfrmAddMenuItem() {
    setObjectName(QStringLiteral("frmAddMenuItem"));
    setWindowTitle(QStringLiteral("Готовые Решения"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(503, 346);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(289);
    mMenu = new QTreeWidget(Panel1);
    mMenu->setObjectName(QStringLiteral("mMenu"));
    mMenu->setHeaderHidden(true);
    mMenu->setIndentation(19);
    mMenu->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::SelectedClicked);
    // The classic style draws the connecting lines, in the palette's dark colour; Qt has no
    // scroll-bar colour role, and a shade below the button face is its usual grey.
    if (QStyle* lines = QStyleFactory::create(QStringLiteral("Windows"))) {
        lines->setParent(mMenu);
        mMenu->setStyle(lines);
        QPalette palette = mMenu->palette();
        palette.setColor(QPalette::Dark, palette.color(QPalette::Button).darker(120));
        mMenu->setPalette(palette);
    }
    const char* const catalogue[][2] = {{"Основные функции", "Выход"},
                                        {"Внешние программы", "Калькулятор"},
                                        {"Базы Данных", "Настройка"}};
    for (const auto& [group, entry] : catalogue) {
        auto* groupItem = new QTreeWidgetItem(mMenu, QStringList{QString::fromUtf8(group)});
        auto* entryItem = new QTreeWidgetItem(groupItem, QStringList{QString::fromUtf8(entry)});
        for (QTreeWidgetItem* item : {groupItem, entryItem})
            item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(5, 5, 5, 5);
    panelLayout->addWidget(mMenu);

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    Button1 = new QPushButton(QStringLiteral("Отмена"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    layout->addWidget(StatusBar1);
}
