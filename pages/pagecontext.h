#pragma once

class UiSeam;
class WizardPage;

namespace tz {
class ProjectSession;
} // namespace tz

// Where a page's ways forward and back lead, and what closing or minimising it does: the
// wizard's shell decides, following its chain of pages.
class PageHost {
public:
    virtual ~PageHost() = default;
    virtual void goNext(WizardPage& page) = 0;
    virtual void goBack(WizardPage& page) = 0;
    // False keeps the program running.
    virtual bool requestQuit(WizardPage& page) = 0;
    virtual void minimizeApplication(WizardPage& page) = 0;
};

// What every page is given: the open project, the desktop's dialogs and its host.
struct PageContext {
    tz::ProjectSession& session;
    UiSeam& seam;
    PageHost& host;
};
