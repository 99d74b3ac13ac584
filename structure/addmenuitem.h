#pragma once

#include <QDialog>

class QPushButton;
class QStatusBar;
class QTreeWidget;

// The catalogue of ready-made standard functions. Its buttons only set the modal result;
// the tree keeps its selection and edited labels from one opening to the next.
class TfrmAddMenuItem : public QDialog {
    Q_OBJECT
public:
    TfrmAddMenuItem();

    QWidget* Panel1 = nullptr;
    QTreeWidget* mMenu = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* Button1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
};
