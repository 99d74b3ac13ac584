#include "docgen/step7.h"

#include "app/tfrmmain.h"
#include "docgen/documentpath.h"
#include "docgen/docwriter.h"
#include "docgen/extendedcontent.h"
#include "docgen/pageddocument.h"
#include "project/addresses.h"
#include "structure/step5.h"

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
    selectDOCX = choice("selectDOCX", QStringLiteral("Создать техническое задание в формате DOCX "
                                                     "(Microsoft Word 2007 и новее)"));
    if (!main.extendedMode()) {
        selectPDF->hide();
        selectODT->hide();
        selectDOCX->hide();
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
    else if (selectDOCX->isChecked())
        saveDocument(tz::DocFormat::Docx);
    if (selectEXE->isChecked())
        GoNext();
}

bool TfrmStep7::unfinishedItemsAccepted() {
    if (!main().extendedMode())
        return true;
    TfrmStep5* structure = main().windows().step5;
    const std::vector<const tz::MenuNode*> unfinished = structure->tree().unfinishedItems();
    if (unfinished.empty())
        return true;
    constexpr std::size_t kNamed = 12;
    QString list;
    for (std::size_t i = 0; i < std::min(unfinished.size(), kNamed); ++i) {
        const tz::MenuNode* item = unfinished[i];
        list += QStringLiteral("\n    2.1.") + tz::MenuTree::placeOf(item) + u' ' +
                item->record()->Caption;
        if (item->record()->Description == tz::MenuTree::newItemDescription())
            list += QStringLiteral(" — «") + tz::MenuTree::newItemDescription() + u'»';
    }
    if (unfinished.size() > kNamed)
        list += QStringLiteral("\n    … и ещё ") + QString::number(unfinished.size() - kNamed);
    const int choice = main().seam().choose(
        this,
        QStringLiteral("Эти пункты меню ещё не описаны и войдут в документ с текстами, которые "
                       "мастер дал новому пункту:") +
            list +
            QStringLiteral("\n\nСохранить документ так или вернуться к структуре программы?"),
        {QStringLiteral("Сохранить документ"), QStringLiteral("Вернуться к структуре")}, 1);
    if (choice == 0)
        return true;
    main().DoStep(this, structure);
    structure->selectItem(unfinished.front());
    return false;
}

void TfrmStep7::saveDocument(tz::DocFormat format) {
    if (!unfinishedItemsAccepted())
        return;
    SaveDocument.fileName = tz::proposedDocumentPath(m_savedDocument, main().FileName, format);
    SaveDocument.defaultSuffix = tz::docSuffix(format);
    SaveDocument.filter = tz::docFilter(format);
    const QString chosen = main().seam().saveFile(this, SaveDocument);
    if (chosen.isEmpty())
        return;
    const QString path = withDefaultSuffix(chosen, SaveDocument.defaultSuffix);
    m_savedDocument = path;
    if (!tz::saveDocument(path, format, documentInputs(), tz::writePdf))
        main().seam().message(this, tz::documentSaveError(path));
}

tz::DocumentInputs TfrmStep7::documentInputs() const {
    tz::DocumentInputs inputs{main().values(), main().ProjectUID};
    if (main().extendedMode()) {
        inputs.extended = true;
        inputs.functions = tz::numberedFunctions(main().windows().step5->tree());
        inputs.year = tz::documentYear();
    }
    return inputs;
}

void TfrmStep7::btnPrevClick() {
    GoBack();
}
