#include "pages/step4.h"

#include "pages/fieldbinder.h"
#include "project/projectsession.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename Button>
Button* button(const char* name, const QString& text, bool enabled, QWidget* parent) {
    auto* b = new Button(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setEnabled(enabled);
    return b;
}

} // namespace

TfrmStep4::TfrmStep4(const PageContext& context)
    : WizardPage(context, {QStringLiteral("Тип программы")}) {
    setObjectName(QStringLiteral("frmStep4"));
    RadioButton1 =
        button<QRadioButton>("RadioButton1", QStringLiteral("Типовая программа"), true, this);
    RadioButton1->setChecked(true);
    checkMenu =
        button<QCheckBox>("checkMenu", QStringLiteral("Главное меню"), extendedMode(), this);
    CheckBox2 = button<QCheckBox>("CheckBox2", QStringLiteral("База данных"), false, this);
    RadioButton2 =
        button<QRadioButton>("RadioButton2", QStringLiteral("Web приложение"), false, this);
    RadioButton3 = button<QRadioButton>("RadioButton3", QStringLiteral("Драйвер"), false, this);
    RadioButton4 =
        button<QRadioButton>("RadioButton4", QStringLiteral("Сервис или служба"), false, this);
    RadioButton5 = button<QRadioButton>("RadioButton5", QStringLiteral("Другое"), false, this);

    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 20);
    grid->addWidget(RadioButton1, 0, 0, 1, 2);
    grid->addWidget(checkMenu, 1, 1);
    grid->addWidget(CheckBox2, 2, 1);
    grid->addWidget(RadioButton2, 3, 0, 1, 2);
    grid->addWidget(RadioButton3, 4, 0, 1, 2);
    grid->addWidget(RadioButton4, 5, 0, 1, 2);
    grid->addWidget(RadioButton5, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
    body()->addStretch(1);

    auto* binder = new FieldBinder(session(), this);
    binder->bind([this] { checkMenu->setChecked(model().mainMenu()); });
    connect(checkMenu, &QCheckBox::toggled, this,
            binder->stored([this] { session().setMainMenu(checkMenu->isChecked()); }));
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep4::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep4::btnPrevClick);
}

void TfrmStep4::btnNextClick() {
    GoNext();
}

void TfrmStep4::btnPrevClick() {
    GoBack();
}
