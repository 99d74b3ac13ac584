#pragma once

#include "pages/projectmemo.h"
#include "pages/wizardpage.h"

class QLabel;
class QLineEdit;

// The program's title and purpose, both required.
class TfrmStep2 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep2(const PageContext& context);

    QLabel* Label3 = nullptr;
    QLineEdit* PrTitle = nullptr;
    QLabel* Label4 = nullptr;
    ProjectMemo* PrDescription = nullptr;

    void btnNextClick();
    void btnPrevClick();
};
