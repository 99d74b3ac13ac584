#pragma once

#include "docgen/docformat.h"
#include "docgen/documentcontent.h"
#include "pages/uiseam.h"
#include "pages/wizardpage.h"

class QRadioButton;

// Document generation: the requirements document saved as DOC, HTML or RTF; in extended
// mode also as PDF, ODT or DOCX.
class TfrmStep7 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep7(TfrmMain& main);

    QRadioButton* selectDOC = nullptr;
    QRadioButton* selectHTML = nullptr;
    QRadioButton* selectRTF = nullptr;
    QRadioButton* selectEXE = nullptr;
    // Shown in extended mode only.
    QRadioButton* selectPDF = nullptr;
    QRadioButton* selectODT = nullptr;
    QRadioButton* selectDOCX = nullptr;
    // The save dialog's settings; its file name is the one proposed last.
    UiSeam::FileRequest SaveDocument;

    void btnNextClick();
    void btnPrevClick();

private:
    void saveDocument(tz::DocFormat format);
    // In the extended mode, menu items that still carry the new item's texts are named
    // first; false when the user goes back to the structure to describe them.
    bool unfinishedItemsAccepted();
    tz::DocumentInputs documentInputs() const;

    // The path of the document saved last; empty before the first save of the run.
    QString m_savedDocument;
};
