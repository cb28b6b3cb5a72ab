#include "core/row_text.h"

namespace quillet::core {

std::string_view cutAtNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::array<std::string, kGridColumns> splitRowText(std::string_view tabJoined) {
    std::array<std::string, kGridColumns> cells;
    std::size_t start = 0;
    for (auto& cell : cells) {
        if (start > tabJoined.size()) {
            break;
        }
        const std::size_t tab = tabJoined.find('\t', start);
        const std::size_t end = tab == std::string_view::npos ? tabJoined.size() : tab;
        cell = cutAtNul(tabJoined.substr(start, end - start));
        start = end + 1;
    }
    return cells;
}

} // namespace quillet::core
