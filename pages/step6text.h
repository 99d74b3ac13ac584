#pragma once

#include "docgen/documentcontent.h"
#include "docgen/extendedoutline.h"
#include "pages/wizardpage.h"

class FieldBinder;
class PreviewPane;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// The extended document's text, section by section: on the left the sections, on the right
// the text the document holds for this project. A section of fixed text is the user's to
// write anew («Исходный текст» gives the outline's back); the documents to make and the
// stages with their deadlines are chosen in their own lists; a section of values shows
// where they are given. «Сохранить как шаблон» keeps the organisation's defaults.
class TfrmStep6text : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep6text(const PageContext& context);

    QListWidget* SectionList = nullptr;
    QStackedWidget* SectionPanel = nullptr;
    QPlainTextEdit* SectionText = nullptr;
    QPushButton* btnDefaultText = nullptr;
    QLabel* SectionNote = nullptr;
    QPlainTextEdit* SectionView = nullptr;
    QListWidget* DocumentList = nullptr;
    QTableWidget* StageTable = nullptr;
    QPushButton* btnSaveTemplate = nullptr;
    PreviewPane* Preview = nullptr;

    void SectionListChange();
    void SectionTextChange();
    void btnDefaultTextClick();
    void DocumentListChange();
    void StageTableChange();
    void btnSaveTemplateClick();
    void btnNextClick();
    void btnPrevClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const tz::OutlineSection* chosenSection() const;
    tz::DocumentInputs documentInputs() const;
    // What the section's default text is made of: the menu's functions only for a section
    // that shows them, so that a keystroke in a text does not number a large tree.
    tz::DocumentInputs inputsOf(const tz::OutlineSection& section) const;
    void showSection();
    void showDocuments();
    void showStages();

    QList<tz::OutlineSection> m_sections;
    FieldBinder* m_binder;
};
