#pragma once

#include "pages/wizardpage.h"

// Additional requirements: a read-only tree beside the structure page.
class TfrmStep6 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep6(TfrmMain& main);

    void btnNextClick();
    void btnPrevClick();

private:
    void GoNext();
    void GoBack();
};
