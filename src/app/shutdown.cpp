#include "app/shutdown.h"

#include <cstdio>
#include <cstdlib>

namespace quillet::app {

void endProcess() {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace quillet::app
