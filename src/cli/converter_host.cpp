#include "converter_host.h"

namespace quillet::cli {

void ConverterHost::appendRow(const std::string& tabJoined) {
    rows_.push_back(core::splitRowText(tabJoined));
}

} // namespace quillet::cli
