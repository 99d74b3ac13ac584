#pragma once

#include "pages/wizardpage.h"

#include <QCheckBox>

class FieldBinder;
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

// Target operating systems. In the extended mode the page offers today's systems too, and
// the choices are project values; otherwise they live only in the controls.
class TfrmStep3os : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep3os(const PageContext& context);

    MouseUpCheckBox* CheckBoxWindows = nullptr;
    QCheckBox* CheckBoxWindows2000 = nullptr;
    QCheckBox* CheckBoxWindowsXP = nullptr;
    MouseUpCheckBox* CheckBoxServer = nullptr;
    QCheckBox* CheckBoxServer2000 = nullptr;
    QCheckBox* CheckBoxServer2003 = nullptr;
    // Shown in the extended mode only.
    QCheckBox* CheckBoxWindows10 = nullptr;
    QCheckBox* CheckBoxWindows11 = nullptr;
    QCheckBox* CheckBoxServer2019 = nullptr;
    QCheckBox* CheckBoxServer2022 = nullptr;
    QCheckBox* CheckBoxAstra = nullptr;
    QCheckBox* CheckBoxRedOS = nullptr;
    QCheckBox* CheckBoxAlt = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditOS = nullptr;

    // The systems' boxes in the page's order; the family boxes are not among them.
    QList<QCheckBox*> systemBoxes() const;

    void CheckBoxWindowsMouseUp();
    void CheckBoxServerMouseUp();
    void btnNextClick();
    void btnPrevClick();

private:
    // The extended mode's values come from the project; the family boxes only help to tick.
    void showSystems();
    void storeSystems();
    void showFamilies();
    void tickFamily(QCheckBox* family, const QList<QCheckBox*>& members);
    QList<QCheckBox*> windowsMembers() const;
    QList<QCheckBox*> serverMembers() const;

    // Systems of the project that the page has no box for; kept as they are.
    QStringList m_otherSystems;
};
