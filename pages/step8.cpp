#include "pages/step8.h"

#include "pages/richmemo.h"
#include "pages/uiseam.h"
#include "project/addresses.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QStringList TfrmStep8::introductionLines() {
    return {
        QStringLiteral("   Выбрав данный пункт Вы отсылаете техническое задание на сервер в "
                       "Интернете, который создает программу в соответсвии с Вашими "
                       "пожеланиями."),
        QStringLiteral("   На создание программы уйдет от 10 минут. После выполнения результата "
                       "Вы можете самостоятельно скачать с Интернета Вашу программу по "
                       "предложенному адресу в течении 24 часов."),
        QStringLiteral("   В целях контроля процесса необходимо указать E-Mail на который придет "
                       "Интернет адрес для скачивания Вашей программы или не закрывать окно "
                       "процесса."),
        QString(),
        QStringLiteral("   При создании программы отсутствующие модули программы, требующие "
                       "дополнительной разработки, будут заменены сообщениями о функциональном "
                       "назначении данных пунктов."),
        QStringLiteral("   Специфичные под Ваши нужды модули программы вы можете заказать на "
                       "сайте ") +
            tz::addresses::publisherSite() +
            QStringLiteral(" или, используя полученное техническое задание, Вы можете заказать "
                           "разработку  у любых других разработчиков ПО."),
        QString(),
        QStringLiteral("    Наличее готового технического задания и, тем более, "
                       "демонстрационной программы несомненно облегчит понимание между "
                       "исполнителями и заказчиками. Вам будет достаточно указать только то что "
                       "следует еще добавить для получения конечного продукта.")};
}

TfrmStep8::TfrmStep8(const PageContext& context)
    : WizardPage(context, {QStringLiteral("Создание программы с использованием Интернет серверов "
                                          "Компиляции"),
                           Size::AtLeast600x450}) {
    setObjectName(QStringLiteral("frmStep8"));
    Panel11 = new QWidget(this);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->setFixedHeight(36);
    auto* top = new QHBoxLayout(Panel11);
    top->setContentsMargins(0, 0, 0, 0);
    Label7 = new QLabel(QStringLiteral("Ваш EMail (не обязательно):"), Panel11);
    Label7->setObjectName(QStringLiteral("Label7"));
    JvEdit4 = new QLineEdit(Panel11);
    JvEdit4->setObjectName(QStringLiteral("JvEdit4"));
    JvEdit4->setFixedWidth(270);
    Label7->setBuddy(JvEdit4);
    top->addWidget(Label7);
    top->addWidget(JvEdit4);
    top->addStretch(1);
    body()->addWidget(Panel11);

    Memos = new RichMemo(QStringLiteral("Memos"), this);
    Memos->setAccessibleName(QStringLiteral("О создании программы на сервере"));
    Memos->setLines(introductionLines(), {tz::addresses::publisherSite()}, {});
    body()->addWidget(Memos, 1);
    FormCreate();

    connect(Memos, &RichMemo::urlClicked, this, &TfrmStep8::MemosURLClick);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep8::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep8::btnPrevClick);
}

void TfrmStep8::FormCreate() {
    Memos->setLineWrapMode(QTextEdit::WidgetWidth);
}

void TfrmStep8::MemosURLClick(const QString& url) {
    seam().openUrl(QUrl(url));
}

void TfrmStep8::btnNextClick() {
    GoNext();
}

void TfrmStep8::btnPrevClick() {
    GoBack();
}
