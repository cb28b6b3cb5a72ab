#include "core/followed_cell_keys.h"

namespace quillet::core {

FollowedCellKeys::FollowedCellKeys(const LoadOptions& options, std::size_t fileSize)
    : options_(options), keys_(std::in_place, options, fileSize) {}

void FollowedCellKeys::readOn(std::string_view bytesSoFar) {
    keys_->readOn(bytesSoFar);
    seen_ = bytesSoFar.size();
}

void FollowedCellKeys::finish(std::optional<std::string_view> file) {
    if (!file) {
        keys_.reset();
        return;
    }
    // The steps stand on bytes the file no longer reaches: it is read again from its start.
    if (file->size() < seen_) {
        keys_.emplace(options_, file->size());
    }
    keys_->finish(*file);
    read_ = true;
}

std::size_t FollowedCellKeys::missedAmong(const AddressKeys& shown) {
    return read_ ? keys_->missedAmong(shown) : 0;
}

} // namespace quillet::core
