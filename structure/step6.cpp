#include "structure/step6.h"

#include "app/tfrmmain.h"
#include "docgen/step7.h"
#include "pages/step4.h"
#include "structure/step5.h"

#include <QCheckBox>
#include <QPushButton>

TfrmStep6::TfrmStep6(TfrmMain& main)
    : WizardPage(main, {QStringLiteral("Дополнительные Требования")}) {
    setObjectName(QStringLiteral("frmStep6"));
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep6::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep6::btnPrevClick);
}

void TfrmStep6::btnNextClick() { GoNext(); }

void TfrmStep6::btnPrevClick() { GoBack(); }

void TfrmStep6::GoNext() { main().DoStep(this, main().windows().step7); }

void TfrmStep6::GoBack() {
    Windows& w = main().windows();
    if (w.step4->checkMenu->isChecked())
        main().DoStep(this, w.step5);
    else
        main().DoStep(this, w.step4);
}
