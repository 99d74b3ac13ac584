#pragma once

#include <QDialog>

class QPushButton;

// The about box: icon, product line, version and a close button.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    TfrmAbout();
    QPushButton* btnClose = nullptr;
};
