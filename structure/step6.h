#pragma once

#include "structure/structurepage.h"

// Additional requirements: a read-only tree beside the structure page.
class TfrmStep6 : public StructurePage {
    Q_OBJECT
public:
    explicit TfrmStep6(TfrmMain& main);

    void btnNextClick();
    void btnPrevClick();

private:
    void GoNext();
    void GoBack();
};
