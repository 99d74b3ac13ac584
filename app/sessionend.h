#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class TfrmMain;

// Nothing typed is lost when the session ends under the wizard. On SIGTERM, SIGHUP and
// SIGINT, and when the session manager ends the session, the project is saved as a close
// saves it, but without questions, as no one may be there to answer them; a project that
// cannot be written where it is (the file changed by another program, the folder gone) is
// saved as a copy beside it or in the home folder. After a signal the program ends.
//
// An end without warning (the display gone, a crash) cannot be met then: the project is
// saved after a short pause in the changes, and at the latest a couple of seconds after the
// first change not yet saved, through the same checks as every save. A copy to recover at
// the next start would also need a question then; the file itself needs none.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 1000;
    static constexpr int kLatestMs = 2000;

    explicit SessionEnd(TfrmMain& main);
    ~SessionEnd() override;

private:
    void edited();
    void autosave();
    void saveAtEnd();
    void signalled();

    TfrmMain& m_main;
    QTimer m_pause;
    QElapsedTimer m_sinceFirstChange;
    bool m_ended = false;
};
