#pragma once

#include "app/windows.h"
#include "project/projectrenewer.h"
#include "structure/menutree.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QTimer;
class UiSeam;

// The hidden main controller: owns the open project and switches the wizard's pages.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMain(UiSeam& seam);
    ~TfrmMain() override;

    QString FileName;
    QStringList ProjectText;
    QString ProjectUID;
    QStringList StructureLines;
    bool Loading = false;
    QTimer* TimerStart = nullptr;

    // Controller creation: file-type registration and the project named on the command
    // line (arguments without the program's own name).
    void FormCreate(const QStringList& arguments);

    void TZnew();
    void TZread();
    void TZrenew();
    // False when a file is chosen and could not be written (the user has been told).
    bool TZSave();
    void Restructure();
    void DoStep(QWidget* from, QWidget* to);

    // Loads a project file; on failure tells the user and changes nothing.
    bool openProject(const QString& path);

    // Closing a page: saves a chosen project first; false keeps the program running.
    bool requestQuit(QWidget* page);
    void minimizeApplication(QWidget* page);

    Windows& windows() { return m_windows; }
    UiSeam& seam() { return m_seam; }
    // The controller keeps the windows created after it and destroys them before itself.
    void adopt(QWidget* window);

Q_SIGNALS:
    // A project was created or opened: pages that show project values fill themselves.
    void projectReplaced();
    // The user closed a page and the program is to end.
    void quitRequested();

private:
    void TimerStartTimer();
    bool readProject(const QString& path, QString* error);
    // The values of the pages' project fields as they stand.
    tz::PageValues pageValues() const;
    void learnRewrittenText();

    UiSeam& m_seam;
    Windows m_windows;
    std::vector<std::unique_ptr<QWidget>> m_owned;
    QString m_startMessage;
    QString m_reportedUnencodable;
    tz::ProjectRenewer m_renewer;
    tz::StructureLinesState m_structureState;
    bool m_renewing = false;
};
