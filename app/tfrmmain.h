#pragma once

#include "app/windows.h"
#include "project/filestamp.h"
#include "project/projectfile.h"
#include "project/projectlock.h"
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
    enum class WriteOutcome { Written, Declined, Failed };

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
    // Takes the file at the path for the project about to live there: its lock, and what it
    // holds now as what the user chose to write over. False, with the user told, when another
    // wizard has it open.
    bool claimProjectFile(const QString& path);

    // Closing a page: saves a chosen project first; when that fails, the user chooses to save
    // it elsewhere, to close without saving or to stay. False keeps the program running.
    bool requestQuit(QWidget* page);
    // A signal ended the session and the project has been saved without questions: the
    // windows that Qt closes on the way out ask nothing more.
    void endSession() { m_sessionEnded = true; }
    // Writes the project, when it changed since it was last written, where no one can be
    // asked: a file another program changed is left alone (Declined), a failure is not
    // reported.
    WriteOutcome saveUnasked();
    void minimizeApplication(QWidget* page);

    // The extended mode (--extended): the structure pages are on the way, and the document
    // holds the company and the menu tree. Set before the pages are created.
    bool extendedMode() const { return m_extendedMode; }
    void setExtendedMode(bool on);

    // The project's values: the one model that the pages load from when they are shown and
    // write to at every change, calling TZrenew after it; TZrenew, the document and export
    // read it. Filled from the project text when a project is opened or created.
    const tz::ProjectValues& values() const { return m_values; }
    tz::ProjectValues& values() { return m_values; }

    // Where "Далее >>" and "<<  Вернуться" of a page lead (see pagechain.h).
    QWidget* nextPageOf(const QWidget* page) const;
    QWidget* previousPageOf(const QWidget* page) const;

    Windows& windows() { return m_windows; }
    UiSeam& seam() { return m_seam; }
    // Tells the user; before the first page is shown the message waits for it, so that it
    // stands in front of that page and does not block it from behind.
    void tell(const QString& text);
    // The controller keeps the windows created after it and destroys them before itself.
    void adopt(QWidget* window);

Q_SIGNALS:
    // A project was created or opened: pages that show project values fill themselves.
    void projectReplaced();
    // The user closed a page and the program is to end.
    void quitRequested();
    // A rewrite took a change of the pages into the project text.
    void projectEdited();

private:
    void TimerStartTimer();
    bool readProject(const QString& path, QString* error);
    // Writes the project to FileName, asking first when another program changed the file.
    WriteOutcome writeProject();
    // Writes the project text to FileName; once written, the file is the one the wizard knows.
    tz::SaveResult storeProject();
    // The path chosen in the project save dialog for the project to move to; empty when the
    // user cancelled or the file is another wizard's.
    QString chooseOtherFile(QWidget* parent);
    // The structure page's records and the history of their edits; none without the page.
    struct MenuState {
        tz::MenuRecords records;
        const tz::MenuHistory* history = nullptr;
    };
    MenuState menuState() const;
    ChainState chainState() const;
    void learnRewrittenText();

    UiSeam& m_seam;
    Windows m_windows;
    std::vector<std::unique_ptr<QWidget>> m_owned;
    QStringList m_startMessages;
    bool m_sessionEnded = false;
    QString m_reportedUnencodable;
    tz::ProjectLock m_lock;
    // What the project file held when this wizard last read or wrote it.
    tz::FileStamp m_stamp;
    tz::ProjectValues m_values;
    tz::ProjectRenewer m_renewer;
    tz::StructureLinesState m_structureState;
    bool m_renewing = false;
    // The project text holds changes that are not in the file yet.
    bool m_unsaved = false;
    bool m_extendedMode = false;
};
