#pragma once

#include "core/banner.h"
#include "core/loader_host.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillet::core {

// What the steps of one Browse operation share: the file's bytes, the host, the 16-bit step
// counter and the percent. Both start at 0 for every operation.
class LoadContext {
public:
    LoadContext(std::string_view fileBytes, LoaderHost& loaderHost)
        : file(fileBytes), host(loaderHost), lists(loaderHost.lists()) {}

    std::string_view file;
    LoaderHost& host;
    LoadLists& lists;
    std::int16_t steps = 0;
    long percent = 0;

    long fileLength() const { return static_cast<long>(file.size()); }
    void countStep() { steps = static_cast<std::int16_t>(steps + 1); }

    // Shows a banner message with the current percent. Thousands of steps share a handful of
    // percents, so the text is composed again only when message or percent change.
    void showStatus(BannerMessage message);

private:
    BannerMessage shownMessage_ = BannerMessage::Initial;
    long shownPercent_ = 0;
    std::string shownText_;
};

// The bytes from position `first` through position `last` of the file (1-based, inclusive, as
// the reader's rules are written); positions outside the file yield nothing.
std::string_view bytesBetween(std::string_view file, long first, long last);

// Appends the items of `from` at indexes 0 through its item count inclusive, so the appended
// run is closed by the empty text read past its last item.
void appendThroughCount(ScratchList& to, const ScratchList& from);

} // namespace quillet::core
