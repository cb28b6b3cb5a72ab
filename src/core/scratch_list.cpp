#include "scratch_list.h"

#include <utility>

namespace quillet::core {

const std::string& ScratchList::item(std::size_t index) const {
    static const std::string empty;
    return index < items_.size() ? items_[index] : empty;
}

std::string ScratchList::take(std::size_t index) {
    return index < items_.size() ? std::exchange(items_[index], {}) : std::string();
}

void ScratchList::removeItem(std::size_t index) {
    if (index < items_.size()) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

} // namespace quillet::core
