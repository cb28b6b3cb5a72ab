#pragma once

namespace quillet::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitBadUsage = 2,
    kExitUnreadableInput = 3,
    kExitOutOfMemory = 3, // like an input that cannot be read: nothing is written
    kExitOutputFailed = 4,
    kExitNoAddresses = 5, // no input gave an address: nothing is written
};

} // namespace quillet::cli
