#pragma once

#include "app/windows.h"
#include "pages/pagecontext.h"
#include "project/projectsession.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QTimer;
class UiSeam;

// The hidden main controller: the shell around the open project. It creates the windows,
// leads from page to page by the chain of pages, saves the project at every page change and
// asks the user, through the seam, what a save cannot decide alone.
class TfrmMain : public QWidget, public PageHost {
    Q_OBJECT
public:
    using WriteOutcome = tz::ProjectSession::WriteOutcome;

    // The extended mode (--extended): the structure pages are on the way, and the document
    // holds the company and the menu tree.
    TfrmMain(UiSeam& seam, bool extended);
    ~TfrmMain() override;

    QTimer* TimerStart = nullptr;

    // Controller creation: file-type registration and the project named on the command
    // line (arguments without the program's own name).
    void FormCreate(const QStringList& arguments);

    // Sets the project caption from the title.
    void TZread();
    // False when a file is chosen and could not be written (the user has been told).
    bool TZSave();
    void DoStep(QWidget* from, QWidget* to);

    // PageHost: the chain of pages, and closing and minimising a page. A close saves a
    // chosen project first; when that fails, the user chooses to save it elsewhere, to close
    // without saving or to stay.
    void goNext(WizardPage& page) override;
    void goBack(WizardPage& page) override;
    bool requestQuit(WizardPage& page) override;
    void minimizeApplication(WizardPage& page) override;
    // A signal ended the session and the project has been saved without questions: the
    // windows that Qt closes on the way out ask nothing more.
    void endSession() { m_sessionEnded = true; }

    tz::ProjectSession& session() { return m_session; }
    PageContext pageContext() { return {m_session, m_seam, *this}; }
    bool extendedMode() const { return m_session.extended(); }

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
    // The user closed a page and the program is to end.
    void quitRequested();

private:
    void TimerStartTimer();
    // Writes the project, asking first when another program changed the file.
    WriteOutcome writeProject();
    // The path chosen in the project save dialog for the project to move to; empty when the
    // user cancelled or the file is another wizard's.
    QString chooseOtherFile(QWidget* parent);
    ChainState chainState() const;
    QString saveFailure() const;

    UiSeam& m_seam;
    tz::ProjectSession m_session;
    Windows m_windows;
    std::vector<std::unique_ptr<QWidget>> m_owned;
    QStringList m_startMessages;
    bool m_sessionEnded = false;
    QString m_reportedUnencodable;
    int m_lastSaveError = 0;
};
