#pragma once

#include "pages/wizardpage.h"
#include "project/projecttext.h"

// The structure of the future program as a tree of menu items.
class TfrmStep5 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep5(TfrmMain& main);

    // The items' records in tree order, root excluded.
    tz::MenuRecords menuRecords() const;
    // One structure line per node, in reverse tree order (the root's line last).
    QStringList structureLines() const;

    void btnNextClick();
    void btnPrevClick();

private:
    void GoNext();
    void GoBack();
};
