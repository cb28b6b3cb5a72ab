#include "core/signal_shield.h"

#include <condition_variable>
#include <mutex>
#include <windows.h>

namespace quillet::core {
namespace {

std::mutex shieldMutex;
std::condition_variable shieldsChanged;
int shieldsUp = 0;

// Runs on a thread of its own that Windows starts for the console event: it waits for the
// writes under way to end, then lets the default handler end the program.
BOOL WINAPI waitForTheWrite(DWORD /*event*/) {
    std::unique_lock lock(shieldMutex);
    shieldsChanged.wait(lock, [] { return shieldsUp == 0; });
    return FALSE;
}

} // namespace

SignalShield::SignalShield() {
    {
        const std::lock_guard lock(shieldMutex);
        ++shieldsUp;
    }
    SetConsoleCtrlHandler(waitForTheWrite, TRUE);
}

SignalShield::~SignalShield() {
    {
        const std::lock_guard lock(shieldMutex);
        --shieldsUp;
    }
    shieldsChanged.notify_all();
    SetConsoleCtrlHandler(waitForTheWrite, FALSE);
}

} // namespace quillet::core
