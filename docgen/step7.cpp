#include "docgen/step7.h"

#include "app/tfrmmain.h"
#include "pages/step4.h"

#include <QPushButton>

TfrmStep7::TfrmStep7(TfrmMain& main)
    : WizardPage(main, {QStringLiteral("Формирование Документации")}) {
    setObjectName(QStringLiteral("frmStep7"));
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep7::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep7::btnPrevClick);
}

void TfrmStep7::btnNextClick() {}

void TfrmStep7::btnPrevClick() { GoBack(); }

void TfrmStep7::GoBack() { main().DoStep(this, main().windows().step4); }
