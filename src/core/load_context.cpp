#include "core/load_context.h"

#include <algorithm>

namespace quillet::core {

void LoadContext::showStatus(BannerMessage message) {
    if (shownText_.empty() || message != shownMessage_ || percent != shownPercent_) {
        shownMessage_ = message;
        shownPercent_ = percent;
        shownText_ = bannerText(message, percent);
    }
    host.setStatus(shownText_);
}

std::string_view bytesBetween(std::string_view file, long first, long last) {
    const long begin = std::max(first, 1L);
    const long end = std::min(last, static_cast<long>(file.size()));
    if (begin > end) {
        return {};
    }
    return file.substr(static_cast<std::size_t>(begin - 1),
                       static_cast<std::size_t>(end - begin + 1));
}

void appendThroughCount(ScratchList& to, const ScratchList& from) {
    for (std::size_t i = 0; i <= from.listCount(); ++i) {
        to.addItem(from.item(i));
    }
}

} // namespace quillet::core
