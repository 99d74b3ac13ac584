#pragma once

#include "pages/wizardpage.h"

class QPushButton;

// Connection to the online build service.
class TfrmStep9 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep9(TfrmMain& main);

    QPushButton* Button1 = nullptr;

    void btnPrevClick();

private:
    void GoBack();
};
