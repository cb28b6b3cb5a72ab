#pragma once

namespace quillet::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitBadUsage = 2,
    kExitUnreadableInput = 3,
    kExitOutputFailed = 4,
};

} // namespace quillet::cli
