#include "cli/structure_follow.h"

#include "core/followed_structure.h"

#include <chrono>
#include <exception>

namespace quillet::cli {

StructureFollow::StructureFollow(const core::LoadOptions& options, std::size_t fileSize,
                                 bool inParts)
    : options_(options), fileSize_(fileSize), inParts_(inParts), fileGiven_(file_.get_future()),
      resultGiven_(result_.get_future()),
      reading_(std::async(std::launch::async | std::launch::deferred, [this] { read(); })) {}

StructureFollow::~StructureFollow() {
    // A run that stops early, its file unread, must not leave the thread waiting.
    giveFile(std::nullopt);
}

void StructureFollow::giveFile(std::optional<std::string_view> bytes) {
    follower_.stop();
    if (!fileSent_) {
        fileSent_ = true;
        file_.set_value(bytes);
    }
}

core::StructureRead StructureFollow::fileRead(std::string_view bytes, const PartTaker& take) {
    giveFile(bytes);
    if (reading_.wait_for(std::chrono::seconds(0)) == std::future_status::deferred) {
        reading_.get();
    }
    for (;;) {
        std::unique_lock lock(partsMutex_);
        partsChanged_.wait(lock, [this] { return !parts_.empty() || finished_; });
        if (parts_.empty()) {
            break;
        }
        Part part = std::move(parts_.front());
        parts_.pop_front();
        lock.unlock();
        take(std::move(part.addresses), part.startAgain);
    }
    return std::move(*resultGiven_.get());
}

void StructureFollow::givePart(Part part) {
    {
        const std::lock_guard lock(partsMutex_);
        parts_.push_back(std::move(part));
    }
    partsChanged_.notify_one();
}

void StructureFollow::finished() {
    {
        const std::lock_guard lock(partsMutex_);
        finished_ = true;
    }
    partsChanged_.notify_one();
}

void StructureFollow::read() {
    try {
        core::FollowedStructure::Parts parts;
        if (inParts_) {
            parts.take = [this](core::NamedAddresses part) { givePart({std::move(part)}); };
            parts.startAgain = [this] { givePart({{}, true}); };
        }
        core::FollowedStructure structure(options_, fileSize_, std::move(parts));
        follower_.follow(
            [&structure](std::string_view bytesSoFar) { structure.readOn(bytesSoFar); });
        result_.set_value(structure.finish(fileGiven_.get()));
    } catch (...) {
        result_.set_exception(std::current_exception());
    }
    finished();
}

} // namespace quillet::cli
