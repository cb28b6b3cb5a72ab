#pragma once

#ifndef _WIN32
#include <csignal>
#endif

namespace quillet::core {

// Holds off what would end the program in the middle of writing a file, for the life of the
// object. On POSIX systems SIGINT, SIGTERM, SIGHUP and SIGQUIT wait (and take effect once the
// file is whole again), and SIGXFSZ is ignored so that a file-size limit shows as EFBIG, an
// error the writer reports and undoes, rather than killing the program. On Windows Ctrl+C,
// Ctrl+Break and closing the console wait the same way.
class SignalShield {
public:
    SignalShield();
    ~SignalShield();

    SignalShield(const SignalShield&) = delete;
    SignalShield& operator=(const SignalShield&) = delete;

#ifndef _WIN32
private:
    sigset_t blockedBefore_{};
    struct sigaction fileSizeBefore_ {};
#endif
};

} // namespace quillet::core
