#include "core/append_bytes.h"

namespace quillet::core {

std::optional<std::string_view> AppendBytes::part(std::size_t index) {
    if (failure_) {
        return std::nullopt;
    }
    try {
        return records_(index);
    } catch (...) {
        failure_ = std::current_exception();
        return std::nullopt;
    }
}

bool AppendBytes::empty() {
    if (!header_.empty()) {
        return false;
    }
    for (std::size_t index = 0;; ++index) {
        const std::optional<std::string_view> records = part(index);
        if (!records) {
            return !failure_;
        }
        if (!records->empty()) {
            return false;
        }
    }
}

bool AppendBytes::eachPiece(const std::function<bool(std::string_view)>& take) {
    if (!header_.empty() && !take(header_)) {
        return false;
    }
    for (std::size_t index = 0;; ++index) {
        const std::optional<std::string_view> records = part(index);
        if (!records) {
            return !failure_;
        }
        if (!records->empty() && !take(*records)) {
            return false;
        }
    }
}

void AppendBytes::rethrowFailure() const {
    if (failure_) {
        std::rethrow_exception(failure_);
    }
}

} // namespace quillet::core
