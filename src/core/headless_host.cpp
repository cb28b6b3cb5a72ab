#include "core/headless_host.h"

#include <iterator>

namespace quillet::core {

void HeadlessHost::appendRows(AddressRows rows) {
    if (rows_.empty()) {
        rows_ = std::move(rows);
        return;
    }
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
}

} // namespace quillet::core
