#include "core/headless_host.h"

#include <iterator>

namespace quillet::core {

void HeadlessHost::appendRows(AddressRows rows) {
    // Taken whole unless a place was made for more.
    if (rows_.empty() && rows_.capacity() < rows.size()) {
        rows_ = std::move(rows);
        return;
    }
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
}

} // namespace quillet::core
