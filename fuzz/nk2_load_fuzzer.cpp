#include "core/headless_host.h"
#include "core/nk2_load.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any byte string is a possible NK2 file: the loader must finish, leave only smtpLocations (the
// SMTP locations) behind and report as many entries as it added rows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quillet::core::LoadOptions;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    // The three choices the window offers, and switches that do not follow their options.
    const LoadOptions choices[] = {
        {},
        {true, false, true, false},
        {false, true, false, true},
        {(size & 1) != 0, (size & 2) != 0, (size & 4) != 0, (size & 8) != 0}};
    for (const LoadOptions& options : choices) {
        quillet::core::HeadlessHost host;
        quillet::core::loadNk2(file, options, host);
        const auto& lists = host.lists();
        if (!lists.addresses.empty() || !lists.exchangeUnique.empty() ||
            !lists.exchangeFound.empty() || !lists.smtpNames.empty() || !lists.smtpFound.empty() ||
            !lists.names.empty()) {
            __builtin_trap();
        }
    }
    return 0;
}
