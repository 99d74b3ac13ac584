#pragma once

#include "pages/projectmemo.h"
#include "pages/wizardpage.h"

class QLabel;
class QLineEdit;

// The rights-holder company's details, all optional.
class TfrmStep3owner : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep3owner(const PageContext& context);

    QLabel* Label5 = nullptr;
    QLineEdit* prCompanyName = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* prCompanyURL = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* prCompanyEMail = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* prCompanyPhone = nullptr;
    QLabel* Label6 = nullptr;
    ProjectMemo* prCompanyInfo = nullptr;

    void btnNextClick();
    void btnPrevClick();
};
