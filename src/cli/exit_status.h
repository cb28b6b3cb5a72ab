#pragma once

namespace quillet::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitOutputFailed = 1,
    kExitBadUsage = 2,
    kExitUnreadableInput = 3,
};

} // namespace quillet::cli
