#pragma once

#include <QDialog>

// The catalogue of ready-made standard functions.
class TfrmAddMenuItem : public QDialog {
    Q_OBJECT
public:
    TfrmAddMenuItem();
};
