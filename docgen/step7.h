#pragma once

#include "pages/wizardpage.h"

// Document generation: the specification saved as DOC, HTML or RTF.
class TfrmStep7 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep7(TfrmMain& main);

    void btnNextClick();
    void btnPrevClick();

private:
    void GoBack();
};
