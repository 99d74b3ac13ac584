#pragma once

#include "structure/structurepage.h"

// Additional requirements: a read-only tree beside the structure page. In the extended mode
// each of its two requirements takes a text, a project value that the document uses.
class TfrmStep6 : public StructurePage {
    Q_OBJECT
public:
    explicit TfrmStep6(TfrmMain& main);

    void FormShow();
    void uMenuChange();
    void MenuDescriptionChange();
    void btnNextClick();
    void btnPrevClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The value of the requirement chosen in the tree; null when none is.
    QString* chosenValue() const;
};
