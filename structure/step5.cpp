#include "structure/step5.h"

#include "app/tfrmmain.h"
#include "pages/step4.h"
#include "structure/step6.h"

#include <QPushButton>

TfrmStep5::TfrmStep5(TfrmMain& main)
    : WizardPage(main, {QStringLiteral("Создание Структуры Программы")}) {
    setObjectName(QStringLiteral("frmStep5"));
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep5::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep5::btnPrevClick);
}

tz::MenuRecords TfrmStep5::menuRecords() const { return {}; }

QStringList TfrmStep5::structureLines() const {
    return {QStringLiteral("0:Главное Меню Программы")};
}

void TfrmStep5::btnNextClick() { GoNext(); }

void TfrmStep5::btnPrevClick() { GoBack(); }

void TfrmStep5::GoNext() { main().DoStep(this, main().windows().step6); }

void TfrmStep5::GoBack() { main().DoStep(this, main().windows().step4); }
