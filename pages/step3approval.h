#pragma once

#include "pages/projectmemo.h"
#include "pages/wizardpage.h"

class QGroupBox;
class QLabel;
class QLineEdit;

// The approval and title sheets' values: the customer and the executor, the two signatories,
// the document's designation and the basis of the work. On the extended mode's way only.
class TfrmStep3approval : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep3approval(const PageContext& context);

    QLabel* Label1 = nullptr;
    QLineEdit* prCustomer = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* prExecutor = nullptr;
    QGroupBox* GroupAgreed = nullptr;
    QLineEdit* prAgreedPosition = nullptr;
    QLineEdit* prAgreedName = nullptr;
    QGroupBox* GroupApproved = nullptr;
    QLineEdit* prApprovedPosition = nullptr;
    QLineEdit* prApprovedName = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* prDesignation = nullptr;
    // Says what is wrong with a designation as it is typed.
    QLabel* DesignationHint = nullptr;
    QLabel* Label3 = nullptr;
    ProjectMemo* prBasis = nullptr;

    static QString designationMessage();

    void btnNextClick();
    void btnPrevClick();

private:
    void showDesignationHint();
};
