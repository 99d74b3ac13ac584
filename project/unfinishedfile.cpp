#include "project/unfinishedfile.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace tz {
namespace {

// Read by the handler, which may do nothing but the async-signal-safe: the name is written
// before it is marked, and unmarked before it changes.
char g_path[PATH_MAX];
std::atomic<bool> g_marked{false};

void onSignal(int signal) {
    if (g_marked.load())
        ::unlink(g_path);
    // The handler was reset on entry: raised again, the signal takes its default course once
    // the handler returns.
    ::raise(signal);
}

} // namespace

void removeUnfinishedFileOnSignals() {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

void markUnfinishedFile(const QByteArray& path) {
    g_marked.store(false);
    if (path.size() >= qsizetype(sizeof g_path))
        return;
    std::memcpy(g_path, path.constData(), size_t(path.size()) + 1);
    g_marked.store(true);
}

void forgetUnfinishedFile() {
    g_marked.store(false);
}

} // namespace tz
