#include "app/filesizelimit.h"

#include <QtGlobal>

#include <csignal>

void ignoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}
