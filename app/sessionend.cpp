#include "app/sessionend.h"

#include "app/tfrmmain.h"
#include "project/namelimit.h"
#include "project/projectfile.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handlers only write a byte into a pipe; the event loop reads it and does the rest,
// as nothing else may be done inside a signal handler.
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[std::size(kSignals)];
QSocketNotifier* g_notifier = nullptr;
QList<SessionEnd*> g_sessions;

void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

bool installHandlers() {
    if (::pipe2(g_pipe, O_NONBLOCK | O_CLOEXEC) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
    return true;
}

void removeHandlers() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

// A name for a copy of the project beside it in the folder: the project's name with the
// moment, cut to fit the file system.
QString copyPath(const QString& folder, const QString& project) {
    const QString tail =
        QStringLiteral(" (копия ") +
        QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH-mm-ss")) +
        QStringLiteral(").tz");
    const QString stem = QFileInfo(project).completeBaseName();
    return folder + u'/' +
           tz::cutToFit(stem, QFile::encodeName(tail).size(), tz::nameLimit(folder)) + tail;
}

} // namespace

SessionEnd::SessionEnd(TfrmMain& main) : QObject(&main), m_main(main) {
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &SessionEnd::autosave);
    connect(&main.session(), &tz::ProjectSession::edited, this, &SessionEnd::edited);
    // A close the user chose without saving stays so.
    connect(&main, &TfrmMain::quitRequested, this, [this] {
        m_ended = true;
        m_pause.stop();
    });
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this, &SessionEnd::saveAtEnd);
        connect(gui, &QGuiApplication::aboutToQuit, this, [this] {
            if (!m_ended)
                saveAtEnd();
        });
    }
    if (g_sessions.isEmpty() && installHandlers()) {
        g_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read);
        QObject::connect(g_notifier, &QSocketNotifier::activated, [] {
            char bytes[16];
            while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
            }
            if (!g_sessions.isEmpty())
                g_sessions.constLast()->signalled();
        });
    }
    g_sessions.append(this);
}

SessionEnd::~SessionEnd() {
    g_sessions.removeOne(this);
    if (g_sessions.isEmpty() && g_notifier) {
        delete std::exchange(g_notifier, nullptr);
        removeHandlers();
    }
}

void SessionEnd::edited() {
    if (!m_pause.isActive())
        m_sinceFirstChange.start();
    m_pause.start(qBound(0, kLatestMs - int(m_sinceFirstChange.elapsed()), kPauseMs));
}

// Failures and another program's change are left to the next page change or close, which
// can ask the user.
void SessionEnd::autosave() {
    m_main.session().saveUnasked();
}

void SessionEnd::saveAtEnd() {
    m_pause.stop();
    tz::ProjectSession& session = m_main.session();
    const TfrmMain::WriteOutcome outcome = session.saveUnasked();
    if (outcome == TfrmMain::WriteOutcome::Written)
        return;
    const QString reason = outcome == TfrmMain::WriteOutcome::Declined
                               ? QStringLiteral("его изменила другая программа")
                               : QStringLiteral("его нельзя записать");
    QString said = QStringLiteral("tzwizard: задание не записано в файл ") + session.fileName() +
                   QStringLiteral(" (") + reason + u')';
    for (const QString& folder : {QFileInfo(session.fileName()).absolutePath(), QDir::homePath()}) {
        const QString copy = copyPath(folder, session.fileName());
        if (tz::saveProjectFile(copy, session.text()).ok) {
            said += QStringLiteral("; при завершении сеанса оно сохранено в файл ") + copy;
            std::fprintf(stderr, "%s\n", said.toLocal8Bit().constData());
            return;
        }
    }
    said += QStringLiteral(", и его копию не удалось записать ни рядом с ним, ни в домашнюю папку");
    std::fprintf(stderr, "%s\n", said.toLocal8Bit().constData());
}

void SessionEnd::signalled() {
    if (m_ended)
        return;
    saveAtEnd();
    m_main.endSession();
    // A question box still waiting for an answer ends with its window, so that the page
    // behind it goes on and the program can end.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    Q_EMIT m_main.quitRequested();
}
