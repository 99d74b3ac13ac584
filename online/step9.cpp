#include "online/step9.h"

#include "app/tfrmmain.h"
#include "pages/step8.h"

#include <QLayout>
#include <QPushButton>

TfrmStep9::TfrmStep9(TfrmMain& main)
    : WizardPage(main, {QStringLiteral("Подключение к серверу"), Size::AtLeast600x450, true,
                        false}) {
    setObjectName(QStringLiteral("frmStep9"));
    Button1 = new QPushButton(QStringLiteral("Ручной запуск (для отладки)"), NextPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedWidth(320);
    Button1->setAutoDefault(false);
    nextPanelLayout()->addWidget(Button1);
    btnPrev->setDefault(true);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep9::btnPrevClick);
}

void TfrmStep9::btnPrevClick() { GoBack(); }

void TfrmStep9::GoBack() { main().DoStep(this, main().windows().step8); }
