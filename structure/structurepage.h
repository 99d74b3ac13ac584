#pragma once

#include "pages/wizardpage.h"

class MenuTreeView;
class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The layout that the structure page and the additional-requirements page share: a tree
// with two buttons on the left, the item's kind and texts on the right, and the
// instructions in place of the texts while no item is chosen.
class StructurePage : public WizardPage {
    Q_OBJECT
public:
    MenuTreeView* uMenu = nullptr;
    QPushButton* btnAddMenu = nullptr;
    QPushButton* btnDeleteMenu = nullptr;
    QWidget* PanelMenu = nullptr;
    QGroupBox* GroupMenu = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QLineEdit* EditStandart = nullptr;
    QPushButton* Button3 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* MenuCaption = nullptr;
    QLabel* Label2 = nullptr;
    QWidget* PanelMenu2 = nullptr;
    QPlainTextEdit* MenuDescription = nullptr;
    QPlainTextEdit* Hint1 = nullptr;

    // The strip of buttons below the tree.
    QBoxLayout* treeButtons() const { return m_treeButtons; }

protected:
    StructurePage(const PageContext& context, const QString& caption, int leftWidth);

private:
    QBoxLayout* m_treeButtons = nullptr;
};
