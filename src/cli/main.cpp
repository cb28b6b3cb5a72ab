#include "cli/convert.h"

#include <fcntl.h>
#include <iostream>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A listing or an export goes out in one burst once every input has been read. Into a pipe of
// 1 MiB rather than the usual 64 KiB it needs a few hand-overs to the reader rather than one per
// 64 KiB. Linux only; a pipe already as wide, or one the system will not widen, stays as it is.
void widenOutputPipe() {
#ifdef F_SETPIPE_SZ
    constexpr int kWide = 1 << 20;
    struct stat output {};
    if (fstat(STDOUT_FILENO, &output) == 0 && S_ISFIFO(output.st_mode) &&
        fcntl(STDOUT_FILENO, F_GETPIPE_SZ) < kWide) {
        static_cast<void>(fcntl(STDOUT_FILENO, F_SETPIPE_SZ, kWide));
    }
#endif
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    widenOutputPipe();
    const std::span<const char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
    return quillet::cli::runConverter(arguments, std::cout, std::cerr);
}
