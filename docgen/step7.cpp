#include "docgen/step7.h"

#include "app/tfrmmain.h"
#include "docgen/documentpath.h"
#include "docgen/docwriter.h"
#include "docgen/extendedcontent.h"
#include "docgen/pageddocument.h"
#include "pages/step4.h"
#include "pages/step8.h"
#include "project/addresses.h"
#include "structure/step5.h"
#include "structure/step6.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmStep7::TfrmStep7(TfrmMain& main)
    : WizardPage(main, {QStringLiteral("Формирование Документации")}) {
    setObjectName(QStringLiteral("frmStep7"));
    body()->setContentsMargins(24, 24, 24, 10);
    body()->setSpacing(14);
    const auto choice = [this](const char* name, const QString& text) {
        auto* button = new QRadioButton(text, this);
        button->setObjectName(QLatin1String(name));
        body()->addWidget(button);
        return button;
    };
    selectDOC = choice(
        "selectDOC", QStringLiteral("Создать техническое задание в формате DOC (Microsoft Word)"));
    selectHTML = choice("selectHTML", QStringLiteral("Создать техническое задание в формате HTML"));
    selectRTF = choice("selectRTF", QStringLiteral("Создать техническое задание в формате RTF"));
    selectEXE =
        choice("selectEXE", QStringLiteral("Создать программу (данная функция проходит отладку, "
                                           "подробнее на ") +
                                tz::addresses::publisherSite() + u')');
    selectPDF = choice("selectPDF", QStringLiteral("Создать техническое задание в формате PDF"));
    selectODT = choice("selectODT",
                       QStringLiteral("Создать техническое задание в формате ODT (LibreOffice)"));
    if (!main.extendedMode()) {
        selectPDF->hide();
        selectODT->hide();
    }
    selectDOC->setChecked(true);
    selectEXE->setEnabled(false);
    body()->addStretch(1);

    SaveDocument.confirmOverwrite = true;

    connect(btnNext, &QPushButton::clicked, this, &TfrmStep7::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep7::btnPrevClick);
}

void TfrmStep7::btnNextClick() {
    tz::DocMode = tz::DocModeNone;
    if (selectHTML->isChecked())
        saveDocument(tz::DocFormat::Html);
    else if (selectRTF->isChecked())
        saveDocument(tz::DocFormat::Rtf);
    else if (selectDOC->isChecked())
        saveDocument(tz::DocFormat::Doc);
    else if (selectPDF->isChecked())
        saveDocument(tz::DocFormat::Pdf);
    else if (selectODT->isChecked())
        saveDocument(tz::DocFormat::Odt);
    if (selectEXE->isChecked())
        GoNext();
}

void TfrmStep7::saveDocument(tz::DocFormat format) {
    SaveDocument.fileName = tz::proposedDocumentPath(m_savedDocument, main().FileName, format);
    SaveDocument.defaultSuffix = tz::docSuffix(format);
    SaveDocument.filter = tz::docFilter(format);
    const QString chosen = main().seam().saveFile(this, SaveDocument);
    if (chosen.isEmpty())
        return;
    const QString path = withDefaultSuffix(chosen, SaveDocument.defaultSuffix);
    m_savedDocument = path;
    const QByteArray bytes =
        tz::renderDocument(Doc, format, documentInputs(), tz::pagedDocumentBytes);
    if (!tz::saveDocumentFile(path, bytes))
        main().seam().message(this, tz::documentSaveError(path, Doc, format));
}

tz::DocumentInputs TfrmStep7::documentInputs() const {
    tz::DocumentInputs inputs{main().values(), main().ProjectUID};
    if (main().extendedMode()) {
        inputs.company = tz::companyParagraphs(inputs.values);
        inputs.functions = tz::numberedFunctions(main().windows().step5->tree());
    }
    return inputs;
}

void TfrmStep7::btnPrevClick() {
    GoBack();
}

void TfrmStep7::GoNext() {
    main().DoStep(this, main().windows().step8);
}

void TfrmStep7::GoBack() {
    Windows& w = main().windows();
    if (main().extendedMode() && w.step4->checkMenu->isChecked())
        main().DoStep(this, w.step6);
    else
        main().DoStep(this, w.step4);
}
