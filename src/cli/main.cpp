#include "cli/convert.h"

#include <iostream>
#include <span>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::span<const char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
    return quillet::cli::runConverter(arguments, std::cout, std::cerr);
}
