#include "core/headless_host.h"

namespace quillet::core {

void HeadlessHost::appendRow(const std::string& tabJoined) {
    rows_.push_back(splitRowText(tabJoined));
}

} // namespace quillet::core
