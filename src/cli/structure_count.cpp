#include "cli/structure_count.h"

#include "core/followed_cell_keys.h"

#include <chrono>
#include <exception>

namespace quillet::cli {

StructureCount::StructureCount(const core::LoadOptions& options, std::size_t fileSize)
    : options_(options), fileSize_(fileSize), fileGiven_(file_.get_future()),
      shownGiven_(shown_.get_future()), counted_(missed_.get_future()),
      counting_(std::async(std::launch::async | std::launch::deferred, [this] { count(); })) {}

StructureCount::~StructureCount() {
    // A run that stops early, its file unread, must not leave the thread waiting.
    giveFile(std::nullopt);
    giveShown({});
}

void StructureCount::fileRead(std::string_view bytes) {
    giveFile(bytes);
}

void StructureCount::giveFile(std::optional<std::string_view> bytes) {
    follower_.stop();
    if (!fileSent_) {
        fileSent_ = true;
        file_.set_value(bytes);
    }
}

void StructureCount::giveShown(core::AddressKeys shown) {
    if (!shownSent_) {
        shownSent_ = true;
        shown_.set_value(std::move(shown));
    }
}

std::size_t StructureCount::missedAmong(core::AddressKeys shown) {
    giveShown(std::move(shown));
    if (counting_.wait_for(std::chrono::seconds(0)) == std::future_status::deferred) {
        counting_.get();
    }
    return counted_.get();
}

void StructureCount::count() {
    try {
        // Built, counted and given back on this thread, whose caches hold it.
        core::FollowedCellKeys keys(options_, fileSize_);
        follower_.follow([&keys](std::string_view bytesSoFar) { keys.readOn(bytesSoFar); });
        keys.finish(fileGiven_.get());
        missed_.set_value(keys.missedAmong(shownGiven_.get()));
    } catch (...) {
        missed_.set_exception(std::current_exception());
    }
}

} // namespace quillet::cli
