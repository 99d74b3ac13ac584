#include "structure/structurepage.h"

#include "pages/wrappingradiobutton.h"
#include "structure/menutreeview.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const char* const kHint[] = {
    "   Для конструирования ",
    "архитектуры программы ",
    "используйте:",
    "1) Добавление пунктов меню ",
    "будущей программы",
    "2) Удаление",
    "3) Перераспределение пунктов ",
    "меню в нужной ",
    "последовательности ",
    "(перетаскиванием в нужное место ",
    "с помощью мыши)",
    "4) Укажите функции каждого ",
    "пункта меню, отметив нужный ",
    "пункт ",
    "слева. Сделайте максимально ",
    "полное описание для будущих ",
    "частей ",
    "программы",
};

template <typename Widget, typename... Args> Widget* named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void paintBase(QWidget* widget, QPalette::ColorRole base, QPalette::ColorRole text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, palette.color(base));
    palette.setColor(QPalette::Text, palette.color(text));
    widget->setPalette(palette);
}

} // namespace

StructurePage::StructurePage(const PageContext& context, const QString& caption, int leftWidth)
    : WizardPage(context, {caption}), uMenu(new MenuTreeView) {
    uMenu->setObjectName(QStringLiteral("uMenu"));
    uMenu->setAccessibleName(QStringLiteral("Структура меню программы"));
    uMenu->setHeaderHidden(true);
    uMenu->setIndentation(19);
    uMenu->setEditTriggers(QAbstractItemView::NoEditTriggers);
    uMenu->setSelectionMode(QAbstractItemView::SingleSelection);
    btnAddMenu = named<QPushButton>("btnAddMenu", QStringLiteral("Новый пункт"));
    btnDeleteMenu = named<QPushButton>("btnDeleteMenu", QStringLiteral("Удалить"));
    for (QPushButton* button : {btnAddMenu, btnDeleteMenu})
        button->setAutoDefault(false);

    auto* left = named<QWidget>("LeftPanel");
    left->setFixedWidth(leftWidth);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(uMenu, 1);
    m_treeButtons = new QHBoxLayout;
    m_treeButtons->addWidget(btnAddMenu);
    m_treeButtons->addWidget(btnDeleteMenu);
    m_treeButtons->addStretch(1);
    leftLayout->addLayout(m_treeButtons);

    PanelMenu = named<QWidget>("PanelMenu");
    // Taller only when the kind texts need more lines than the page was laid out for.
    PanelMenu->setMinimumHeight(192);
    GroupMenu = named<QGroupBox>("GroupMenu", QStringLiteral(" Тип подменю "));
    RadioButton3 = named<QRadioButton>("RadioButton3", QStringLiteral("Подменю"));
    RadioButton2 = named<QRadioButton>("RadioButton2", QStringLiteral("Стандартная функция"));
    RadioButton2->setEnabled(false);
    EditStandart = named<QLineEdit>("EditStandart");
    EditStandart->setReadOnly(true);
    EditStandart->setAccessibleName(QStringLiteral("Стандартная функция"));
    EditStandart->setEnabled(false);
    paintBase(EditStandart, QPalette::Button, QPalette::ButtonText);
    Button3 = named<QPushButton>("Button3", QStringLiteral("..."));
    Button3->setEnabled(false);
    Button3->setAccessibleName(QStringLiteral("Выбрать стандартную функцию"));
    Button3->setAutoDefault(false);
    Button3->setFixedWidth(25);
    RadioButton1 = named<WrappingRadioButton>(
        "RadioButton1", QStringLiteral("Пользовательская функция (Задание на разработку)"));
    RadioButton1->setChecked(true);
    auto* group = new QGridLayout(GroupMenu);
    group->addWidget(RadioButton3, 0, 0, 1, 2);
    group->addWidget(RadioButton2, 1, 0, 1, 2);
    group->addWidget(EditStandart, 2, 0);
    group->addWidget(Button3, 2, 1);
    group->addWidget(RadioButton1, 3, 0, 1, 2);

    Label1 = named<QLabel>("Label1", QStringLiteral("Короткое описание"));
    MenuCaption = named<QLineEdit>("MenuCaption");
    Label1->setBuddy(MenuCaption);
    Label2 = named<QLabel>("Label2", QStringLiteral("Подробное описание"));
    auto* panelMenu = new QVBoxLayout(PanelMenu);
    panelMenu->setContentsMargins(0, 0, 0, 0);
    panelMenu->addWidget(GroupMenu);
    panelMenu->addStretch(1);
    panelMenu->addWidget(Label1);
    panelMenu->addWidget(MenuCaption);
    panelMenu->addWidget(Label2);

    PanelMenu2 = named<QWidget>("PanelMenu2");
    MenuDescription = named<QPlainTextEdit>("MenuDescription");
    MenuDescription->setTabChangesFocus(true);
    Label2->setBuddy(MenuDescription);
    // The label stands in the other panel, where screen readers do not look for it.
    MenuDescription->setAccessibleName(Label2->text());
    auto* panelMenu2 = new QVBoxLayout(PanelMenu2);
    panelMenu2->setContentsMargins(0, 0, 0, 0);
    panelMenu2->addWidget(MenuDescription);

    Hint1 = named<QPlainTextEdit>("Hint1");
    Hint1->setReadOnly(true);
    Hint1->setAccessibleName(QStringLiteral("Подсказка"));
    QStringList hint;
    for (const char* line : kHint)
        hint.append(QString::fromUtf8(line));
    Hint1->setPlainText(hint.join(u'\n'));
    paintBase(Hint1, QPalette::ToolTipBase, QPalette::ToolTipText);

    auto* right = new QVBoxLayout;
    right->addWidget(PanelMenu);
    right->addWidget(PanelMenu2, 1);
    right->addWidget(Hint1, 1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addWidget(left);
    columns->addLayout(right, 1);
    body()->addLayout(columns, 1);
    PanelMenu->hide();
    PanelMenu2->hide();
}
