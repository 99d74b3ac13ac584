#pragma once

#include "pages/wizardpage.h"

class QLabel;
class QLineEdit;
class RichMemo;

// Introduction to the online build service.
class TfrmStep8 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep8(const PageContext& context);

    QWidget* Panel11 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* JvEdit4 = nullptr;
    RichMemo* Memos = nullptr;

    static QStringList introductionLines();

    void FormCreate();
    void MemosURLClick(const QString& url);
    void btnNextClick();
    void btnPrevClick();
};
