#pragma once

#include "pages/wizardpage.h"

#include <QCheckBox>

class QLabel;
class QLineEdit;

// A check box that reports the release of a mouse button over it, after its own toggle.
class MouseUpCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;
Q_SIGNALS:
    void mouseUp();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Target operating systems; the choices live only in the controls.
class TfrmStep3os : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep3os(TfrmMain& main);

    MouseUpCheckBox* CheckBoxWindows = nullptr;
    QCheckBox* CheckBoxWindows2000 = nullptr;
    QCheckBox* CheckBoxWindowsXP = nullptr;
    MouseUpCheckBox* CheckBoxServer = nullptr;
    QCheckBox* CheckBoxServer2000 = nullptr;
    QCheckBox* CheckBoxServer2003 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditOS = nullptr;

    void CheckBoxWindowsMouseUp();
    void CheckBoxServerMouseUp();
    void btnNextClick();
    void btnPrevClick();

private:
    void GoNext();
    void GoBack();
};
