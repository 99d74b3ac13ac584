#pragma once

#include "pages/wizardpage.h"

class QCheckBox;
class QRadioButton;

// The program type; only "Типовая программа" can be chosen. In extended mode "Главное меню"
// can be checked, and then the structure pages are on the way to the document.
class TfrmStep4 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep4(TfrmMain& main);

    QRadioButton* RadioButton1 = nullptr;
    QCheckBox* checkMenu = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;

    void btnNextClick();
    void btnPrevClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A project was created or opened since the page was last shown.
    bool m_projectReplaced = false;
};
