#include "pages/step4.h"

#include "app/tfrmmain.h"
#include "structure/step5.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>

namespace {

template <typename Button>
Button* button(const char* name, const QString& text, bool enabled, QWidget* parent) {
    auto* b = new Button(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setEnabled(enabled);
    return b;
}

} // namespace

TfrmStep4::TfrmStep4(TfrmMain& main) : WizardPage(main, {QStringLiteral("Тип программы")}) {
    setObjectName(QStringLiteral("frmStep4"));
    RadioButton1 =
        button<QRadioButton>("RadioButton1", QStringLiteral("Типовая программа"), true, this);
    RadioButton1->setChecked(true);
    checkMenu =
        button<QCheckBox>("checkMenu", QStringLiteral("Главное меню"), main.extendedMode(), this);
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

    connect(btnNext, &QPushButton::clicked, this, &TfrmStep4::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep4::btnPrevClick);
    connect(&main, &TfrmMain::projectReplaced, this, [this] { m_projectReplaced = true; });
}

// The structure page reads the new project's tree only after this page has heard of it, so
// the box follows the tree when the page is shown; after that it is the user's.
void TfrmStep4::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && main().extendedMode() && std::exchange(m_projectReplaced, false))
        checkMenu->setChecked(main().windows().step5->tree().hasItems());
    WizardPage::showEvent(event);
}

void TfrmStep4::btnNextClick() {
    GoNext();
}

void TfrmStep4::btnPrevClick() {
    GoBack();
}
