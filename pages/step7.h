#pragma once

#include "docgen/docformat.h"
#include "docgen/documentcontent.h"
#include "pages/uiseam.h"
#include "pages/wizardpage.h"

class PreviewPane;
class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace tz {
class MenuNode;

// The writer mode of the document saved last: 0 before the first save of the run and after
// a cancelled one (docwriter.h).
extern int DocMode;
} // namespace tz

// Document generation: the requirements document saved as DOC, HTML or RTF; in extended
// mode also as PDF, ODT or DOCX. One choice per format of the format table, and the online
// build after the usual ones.
class TfrmStep7 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep7(const PageContext& context);

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
    // In the extended mode, after a save: where the document is and what to do with it.
    QWidget* SavedPanel = nullptr;
    QLabel* SavedLabel = nullptr;
    QPushButton* btnOpenDocument = nullptr;
    QPushButton* btnOpenFolder = nullptr;
    QPushButton* btnDone = nullptr;
    // The document as it will print, in the extended mode.
    PreviewPane* Preview = nullptr;

    void btnNextClick();
    void btnPrevClick();
    void btnOpenDocumentClick();
    void btnOpenFolderClick();
    void btnDoneClick();

protected:
    void showEvent(QShowEvent* event) override;

Q_SIGNALS:
    // The user goes back to the structure page to describe the item.
    void describeItem(const tz::MenuNode* item);

private:
    void saveDocument(tz::DocFormat format);
    // In the extended mode, menu items that still carry the new item's texts are named
    // first; false when the user goes back to the structure to describe them.
    bool unfinishedItemsAccepted();
    tz::DocumentInputs documentInputs() const;
    void addSavedPanel(QVBoxLayout* column);
    void showSaved(const QString& path);

    // Each format's choice, in the table's order.
    QList<std::pair<QRadioButton*, tz::DocFormat>> m_choices;
    // The path of the document saved last; empty before the first save of the run.
    QString m_savedDocument;
};
