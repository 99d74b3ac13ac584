#pragma once

#include "pages/wizardpage.h"

class QCheckBox;
class QRadioButton;

// The program type; only "Типовая программа" can be chosen. In extended mode "Главное меню"
// can be checked, and then the structure pages are on the way to the document. The box comes
// checked for an opened project with a menu; after that it is the user's.
class TfrmStep4 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep4(const PageContext& context);

    QRadioButton* RadioButton1 = nullptr;
    QCheckBox* checkMenu = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;

    void btnNextClick();
    void btnPrevClick();
};
