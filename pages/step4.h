#pragma once

#include "pages/wizardpage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The program type. Without the extended mode only "Типовая программа" can be chosen. In the
// extended mode every type can, and the typical program has a main menu (then the structure
// pages are on the way to the document) and a database with its DBMS; the type shapes the
// document's requirements. "Главное меню" comes checked for an opened project with a menu;
// after that it is the user's.
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
    // Shown in the extended mode only.
    QLabel* LabelDatabase = nullptr;
    QLineEdit* prDatabase = nullptr;

    void btnNextClick();
    void btnPrevClick();

private:
    QList<QRadioButton*> typeButtons() const;
    void showType();
    void storeType();
    void showDatabase();
    void storeDatabase();
    // The typical program's own choices are open only while it is chosen.
    void enableTypicalChoices();
};
