#include "core/signal_shield.h"

#include <initializer_list>
#include <pthread.h>

namespace quillet::core {

SignalShield::SignalShield() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaddset(&held, signal);
    }
    pthread_sigmask(SIG_BLOCK, &held, &blockedBefore_);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &fileSizeBefore_);
}

SignalShield::~SignalShield() {
    sigaction(SIGXFSZ, &fileSizeBefore_, nullptr);
    pthread_sigmask(SIG_SETMASK, &blockedBefore_, nullptr);
}

} // namespace quillet::core
