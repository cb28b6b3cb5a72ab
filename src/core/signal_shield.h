#pragma once

#include <csignal>

namespace quillet::core {

// Holds off the signals that would end the program in the middle of writing a file, for the
// life of the object: SIGINT, SIGTERM, SIGHUP and SIGQUIT wait (and take effect once the file
// is whole again), and SIGXFSZ is ignored so that a file-size limit shows as EFBIG, an error
// the writer reports and undoes, rather than killing the program.
class SignalShield {
public:
    SignalShield();
    ~SignalShield();

    SignalShield(const SignalShield&) = delete;
    SignalShield& operator=(const SignalShield&) = delete;

private:
    sigset_t blockedBefore_{};
    struct sigaction fileSizeBefore_ {};
};

} // namespace quillet::core
