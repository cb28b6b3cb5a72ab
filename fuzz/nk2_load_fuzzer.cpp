#include "core/headless_host.h"
#include "core/nk2_load.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any byte string is a possible NK2 file: the loader must finish, leave only List7 (the SMTP
// locations) behind and report as many entries as it added rows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quillet::core::TypeBoxes;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    // The three choices the window offers, and switches that do not follow their boxes.
    const TypeBoxes choices[] = {
        {},
        {true, false, true, false},
        {false, true, false, true},
        {(size & 1) != 0, (size & 2) != 0, (size & 4) != 0, (size & 8) != 0}};
    for (const TypeBoxes& boxes : choices) {
        quillet::core::HeadlessHost host;
        quillet::core::loadNk2(file, boxes, host);
        const auto& lists = host.lists();
        if (!lists.List1.empty() || !lists.List2.empty() || !lists.List3.empty() ||
            !lists.List4.empty() || !lists.List5.empty() || !lists.nameList.empty()) {
            __builtin_trap();
        }
    }
    return 0;
}
