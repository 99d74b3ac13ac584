#pragma once

#include "pages/uiseam.h"
#include "pages/wizardpage.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class RichMemo;

// Project choice: create a new project file or open an existing one.
class TfrmStep1 : public WizardPage {
    Q_OBJECT
public:
    explicit TfrmStep1(const PageContext& context);

    RichMemo* Memos = nullptr;
    QGroupBox* GroupProject = nullptr;
    QRadioButton* btnNewTZ = nullptr;
    QRadioButton* btnOldTZ = nullptr;
    QLineEdit* prFilename = nullptr;
    QPushButton* btnSelect = nullptr;
    // The extended mode's projects opened or created last.
    QListWidget* RecentList = nullptr;
    UiSeam::FileRequest OpenDialog;
    UiSeam::FileRequest SaveDialog;

    // The introduction text, line by line.
    static QStringList introductionLines();

    void btnSelectClick();
    void btnNextClick();
    void MemosURLClick(const QString& url);
    void RecentListChange();

private:
    // The project's file, opened or created.
    void showFileName(const QString& path);
    void showRecentProjects();
    // The dialogs start in the folder of the project opened last.
    void startInLastFolder(UiSeam::FileRequest& request) const;
};
