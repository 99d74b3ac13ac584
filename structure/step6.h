#pragma once

#include "project/projectvalues.h"
#include "structure/structurepage.h"

class FieldBinder;

// Additional requirements: a read-only tree beside the structure page. In the extended mode
// each of its two requirements takes a text, a project value that the document uses.
class TfrmStep6 : public StructurePage {
    Q_OBJECT
public:
    explicit TfrmStep6(const PageContext& context);

    void FormShow();
    void uMenuChange();
    void btnNextClick();
    void btnPrevClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The value of the requirement chosen in the tree; null when none is.
    QString tz::ProjectValues::*chosenValue() const;

    FieldBinder* m_binder = nullptr;
};
