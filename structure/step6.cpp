#include "structure/step6.h"

#include "app/tfrmmain.h"
#include "docgen/step7.h"
#include "pages/step4.h"
#include "structure/menutreeview.h"
#include "structure/step5.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStandardItemModel>

TfrmStep6::TfrmStep6(TfrmMain& main)
    : StructurePage(main, QStringLiteral("Дополнительные Требования"), 337) {
    setObjectName(QStringLiteral("frmStep6"));
    auto* model = new QStandardItemModel(this);
    for (const char* text : {"Требования к составу и параметрам технических средств",
                             "Требования к квалификации и численности персонала"})
        model->appendRow(new QStandardItem(QString::fromUtf8(text)));
    uMenu->setModel(model);
    uMenu->fitLabels();
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep6::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep6::btnPrevClick);
}

void TfrmStep6::btnNextClick() {
    GoNext();
}

void TfrmStep6::btnPrevClick() {
    GoBack();
}

void TfrmStep6::GoNext() {
    main().DoStep(this, main().windows().step7);
}

void TfrmStep6::GoBack() {
    Windows& w = main().windows();
    if (w.step4->checkMenu->isChecked())
        main().DoStep(this, w.step5);
    else
        main().DoStep(this, w.step4);
}
